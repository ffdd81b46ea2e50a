# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run a Windows program under Wine on a virtual
# X display of their own: starts Xvfb, exports DISPLAY, ends the display
# and the program in $app when the script exits, and starts a new Wine
# session on this display (a session keeps the display it began with).
# Also: fail MESSAGE; wait_for_window TITLE-PATTERN; window_text WINDOW
# [CONVERT-OPTION...], the text a window shows (or the part of it that the
# ImageMagick options cut out), read off the screen by tesseract.

fail() { echo "FAIL: $*"; exit 1; }

display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; [ -n "${app:-}" ] && kill $app 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$(dirname "${BASH_SOURCE[0]}")/wine.sh" --stop

# Small dialog text reads well enough at three times its size.
window_text() {
    local window=$1
    shift
    import -window "$window" png:- 2>/dev/null |
        convert png:- "$@" +repage -colorspace Gray -resize 300% png:- |
        tesseract stdin - --psm 6 2>/dev/null
}

# Waits up to 90 s for a visible window whose title matches, and prints it.
wait_for_window() {
    local window=""
    for _ in $(seq 900); do # a first start in a new Wine prefix takes a while
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.1
    done
    return 1
}
