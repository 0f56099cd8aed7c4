#!/usr/bin/env bash
# Configures and builds the release tree in build/release (Ninja, all targets).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
