#!/usr/bin/env bash
# Builds the release program and the command-line tool and makes the Debian package
# build/package/kelvo-zuzivodi_<version>_<arch>.deb. Install it with `apt install ./build/package/kelvo-…deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/package
tree=$out/release

# The PNG icons in data/desktop/png are committed, rendered from the SVG with
#   rsvg-convert -w N -h N data/desktop/eu.kelvo.zuzivodi.svg -o data/desktop/png/eu.kelvo.zuzivodi-N.png
# so that building needs no SVG renderer.
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DKELVO_BUILD_TESTS=OFF -DKELVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$tree" -j "$(nproc)"
(cd "$tree" && cpack -G DEB -B "$PWD/../cpack" >/dev/null)
mv -f "$out"/cpack/kelvo-zuzivodi_*.deb "$out"/
rm -rf "$out/cpack"
ls "$out"/kelvo-zuzivodi_*.deb
