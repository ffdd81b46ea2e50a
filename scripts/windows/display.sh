# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run a Windows program under Wine on a virtual
# X display of their own: starts Xvfb, exports DISPLAY, ends the display
# and the program in $app when the script exits, and starts a new Wine
# session on this display (a session keeps the display it began with).
# Also: fail MESSAGE; wait_for_window TITLE-PATTERN; window_text WINDOW
# [CONVERT-OPTION...], the text a window shows (or the part of it that the
# ImageMagick options cut out), read off the screen by tesseract.

fail() { echo "FAIL: $*"; exit 1; }

# Xvfb picks a free display and names it once it takes connections, which
# on a busy machine can take seconds.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"; [ -n "${app:-}" ] && kill $app 2>/dev/null' EXIT
for _ in $(seq 300); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || fail "Xvfb did not start within 30 s"
export DISPLAY=:$(cat "$display_file")
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
