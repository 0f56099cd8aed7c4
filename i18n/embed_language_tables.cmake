# Writes the C++ source that holds the three language tables as byte arrays.
# Run as: cmake -DLANG_DIR=<data/lang> -DTEMPLATE=<.cpp.in> -DOUTPUT=<.cpp> -P embed_language_tables.cmake

function(bytes_of file result)
    file(READ "${file}" hex HEX)
    if(hex STREQUAL "")
        message(FATAL_ERROR "Language table ${file} is empty")
    endif()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    # Sixteen bytes to a line keeps the generated file readable in a debugger (CMake's regular
    # expressions have no counted repetition, hence the spelled-out pattern).
    string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line_of_bytes)
    string(REGEX REPLACE "(${line_of_bytes})" "\\1\n" bytes "${bytes}")
    set(${result} "${bytes}" PARENT_SCOPE)
endfunction()

bytes_of("${LANG_DIR}/BG.lng" BULGARIAN_BYTES)
bytes_of("${LANG_DIR}/DE.lng" GERMAN_BYTES)
bytes_of("${LANG_DIR}/EN.lng" ENGLISH_BYTES)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
