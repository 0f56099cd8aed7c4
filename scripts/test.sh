#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh release
# Window tests draw offscreen; no display is needed.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --preset release -j "$(nproc)"
