#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh release
# Window tests draw offscreen; no display is needed.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --preset release -j "$(nproc)"

# The library, the command-line tool and the headless tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer: any finding ends the test that hit it.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
bash scripts/build.sh asan
ctest --preset asan -j "$(nproc)"

# Every libFuzzer target for 30 seconds.
bash scripts/fuzz.sh 30
