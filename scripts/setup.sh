#!/usr/bin/env bash
# Installs with apt-get what a fresh Debian 12 machine lacks to build, run and
# test the whole product. Runs `apt-get update` only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang clang-format
  libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools
  libqt6svg6 qt6-qpa-plugins libgl1-mesa-dev
  fonts-dejavu-core xvfb xauth xclip imagemagick x11-apps xdg-utils
  libreoffice-writer-nogui poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
else
  sudo_cmd=()
fi
echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
