#!/usr/bin/env bash
# Pictures of the gauge schema, the preferred numbers picker, the About window and the help window
# in each language: builds the demo of tests/app_extras and runs it under a virtual X server.
#   scripts/screenshots_extras.sh [output folder]   (default: build/screenshots-extras)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots-extras}"
build="$root/build/extras-demo"

# When the main project does not add tests/app_extras itself, a small wrapper project does.
wrapper="$build/wrapper"
mkdir -p "$wrapper"
cat > "$wrapper/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(kelvo_extras_demo_wrapper LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
add_subdirectory("$root" main)
if(NOT TARGET kelvo_extras_demo)
    add_subdirectory("$root/tests/app_extras" app_extras)
endif()
CMAKE

cmake -S "$wrapper" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DKELVO_BUILD_APP=OFF -DKELVO_BUILD_BENCH=OFF -DKELVO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target kelvo_extras_demo -j2
demo="$(find "$build" -type f -name kelvo_extras_demo -perm -u+x | head -n1)"

mkdir -p "$out"
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$demo" "$out"
else
    QT_QPA_PLATFORM=offscreen "$demo" "$out"
fi
echo "Pictures in $out"
