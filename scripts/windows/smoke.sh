#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real skalix.exe under Wine on a virtual X display, used as a person
# would: its window appears and shows 2,6; typing 60 into the reached points
# gives 3,6; "Ende" ends it with exit status 0. What the window shows is
# read off the screen (tesseract); keys and clicks come from xdotool.
# Usage: scripts/windows/smoke.sh SKALIX.EXE [SCREENSHOT.png]
set -uo pipefail
exe=$1
shot=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/display.sh"

"$here/wine.sh" "$exe" &
app=$!
window=$(wait_for_window '^Skalix - von')
[ -n "$window" ] || fail "the Skalix window did not appear"
echo "window $window: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
sleep 1

# The result field Text3 (3000, 2760, 1215, 495 twips), inside its border.
result() {
    import -window "$window" png:- 2>/dev/null |
        convert png:- -crop 79x31+201+185 +repage -colorspace Gray -resize 400% \
            -threshold 50% png:- |
        tesseract stdin - --psm 7 -c tessedit_char_whitelist=0123456789, 2>/dev/null | tr -d ' \n'
}
# Waits up to 5 s for the result field to show the text.
expect() {
    local shown=""
    for _ in $(seq 25); do
        shown=$(result)
        [ "$shown" = "$1" ] && { echo "Text3 shows $shown"; return 0; }
        sleep 0.2
    done
    fail "Text3 shows '$shown', not '$1'"
}
# A click at a point of the window's client area, in pixels.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

expect "2,6"
[ -n "$shot" ] && import -window "$window" "$shot"
click 240 144 # Text2, the reached points
xdotool key --window "$window" ctrl+a 2>/dev/null
xdotool type --window "$window" --delay 50 60 2>/dev/null
expect "3,6"
click 36 28 # "Ende"
for _ in $(seq 100); do
    kill -0 $app 2>/dev/null || break
    sleep 0.1
done
kill -0 $app 2>/dev/null && fail "Skalix is still running after Ende"
wait $app
status=$?
app=""
[ $status -eq 0 ] || fail "Skalix ended with status $status"
echo "Skalix ended with status 0"
"$here/wine.sh" --stop
