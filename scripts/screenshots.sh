#!/usr/bin/env bash
# Saves pictures of every result page, side panel and language of the window program, at normal
# and at double pixel density, into build/screenshots/x1 and build/screenshots/x2 (or the folder
# given). The program runs under Xvfb with a fixed screen and no window manager, against a
# settings folder of its own, so the user's settings are neither read nor changed.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${ZUZIVODI:-build/release/app/zuzivodi}
out=${1:-build/screenshots}
if [[ ! -x $program ]]; then
    bash scripts/build.sh release
fi
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT

for scale in 1 2; do
    folder="$out/x$scale"
    rm -rf "$folder"
    mkdir -p "$folder"
    XDG_CONFIG_HOME="$settings" QT_SCALE_FACTOR=$scale KELVO_SCREENSHOTS="$folder" \
        xvfb-run --auto-servernum --server-args="-screen 0 2200x1600x24" "$program"
    # The whole screen once as well, to see the window as the display shows it.
    XDG_CONFIG_HOME="$settings" QT_SCALE_FACTOR=$scale xvfb-run --auto-servernum \
        --server-args="-screen 0 2200x1600x24" bash -c \
        "\"$program\" & pid=\$!; sleep 2; import -window root \"$folder/screen.png\"; kill \$pid"
    echo "screenshots: $(ls "$folder" | wc -l) pictures in $folder"
done
