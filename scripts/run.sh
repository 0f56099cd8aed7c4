#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh release
if [[ -x build/release/app/zuzivodi ]]; then
    exec build/release/app/zuzivodi "$@"
fi
# Until the window exists: the command-line tool on the default fit.
exec build/release/cli/zuzivodi-cli fit H7/g6 --size 10 "$@"
