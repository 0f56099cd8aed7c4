# Runs PROGRAM with ARGUMENTS (a list), standard input from INPUT when given, and fails unless
# the exit code is EXPECTED.
if(INPUT)
    execute_process(COMMAND ${PROGRAM} ${ARGUMENTS} INPUT_FILE ${INPUT}
                    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
else()
    execute_process(COMMAND ${PROGRAM} ${ARGUMENTS}
                    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
endif()
if(NOT code STREQUAL EXPECTED)
    message(FATAL_ERROR "exit code ${code}, expected ${EXPECTED}\nstdout:\n${out}\nstderr:\n${err}")
endif()
