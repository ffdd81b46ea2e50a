#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshot: starts build/skalix on a virtual X display
# and saves its window, just as it opens, to docs/screenshot.png.
# Usage: scripts/screenshot.sh [OUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}

scripts/setup.sh xvfb imagemagick xdotool
[ -x build/skalix ] || { echo "build/skalix is missing: run ./run.sh or ./test.sh first" >&2; exit 1; }

display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 800x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb $app 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display build/skalix >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 50); do
    window=$(DISPLAY=$display xdotool search --name '^Skalix - von' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the Skalix window did not appear" >&2; exit 1; }
sleep 1
DISPLAY=$display /usr/bin/import -window "$window" -strip "$out"
echo "saved $out"
