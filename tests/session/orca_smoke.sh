#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind teacher hears: the real program with the Orca screen reader
# on a virtual X display with a window manager, in a D-Bus session of its
# own with the accessibility bus. Orca needs no speech synthesizer here: its
# debug log holds every utterance it would speak, and the test reads what
# it said there after each key press. It checks that the maximum points are
# spoken whole when their field takes the focus ("100", never "10"), that
# a slider is presented as a slider, and that typing 60 into the reached
# points is followed by the new grade, 3,6. Where Orca or the desktop
# cannot start, the test says so and exits with 77, which CTest reports
# as skipped.
# Usage: orca_smoke.sh SKALIX
set -uo pipefail
skalix=$(realpath "$1")
skip() { echo "SKIPPED: $*"; exit 77; }

for tool in orca script Xvfb openbox xdotool dbus-run-session; do
    command -v $tool >/dev/null || skip "$tool is not installed"
done
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "the accessibility bus (at-spi2-core) is not installed"

# Everything below runs in a D-Bus session of its own.
if [ -z "${SKALIX_IN_SESSION:-}" ]; then
    exec env SKALIX_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; [ -n "${SKALIX_KEEP_LOG:-}" ] && cp "$log" "$SKALIX_KEEP_LOG"; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
# Orca keeps its settings in the home folder; a fresh one, in English.
export HOME=$work XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config \
    XDG_DATA_HOME=$work/data LANG=C.UTF-8 LANGUAGE= LC_ALL=
display=:$((400 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
"$launcher" --launch-immediately >/dev/null 2>&1 &

# Orca writes its debug log through a buffer, which a file would hold back
# for kilobytes at a time; on a terminal it writes each line at once. So
# Orca gets one from script(1), which copies everything written to it into
# the log as it comes.
log=$work/orca.log
script -qfc "orca --debug-file=/dev/tty" "$log" >/dev/null 2>&1 &
orca=$!
for _ in $(seq 150); do
    grep -q "ORCA: Startup complete" "$log" 2>/dev/null && break
    kill -0 $orca 2>/dev/null || skip "Orca could not start: $(tail -n 3 "$log" | tr '\n' ' ')"
    sleep 0.2
done
grep -q "ORCA: Startup complete" "$log" || skip "Orca did not start within 30 s"

"$skalix" >"$work/skalix.log" 2>&1 &
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Skalix - von' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the Skalix window did not appear"; cat "$work/skalix.log"; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null

# What Orca spoke since line $1 of its log, one utterance a line.
spoken_since() {
    tail -n +"$1" "$log" | tr -d '\r' | sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' *{'established.*$/\1/p"
}
# Waits up to 30 s for Orca to speak words matching the pattern after line
# $2 of its log (Orca takes its time over the focus), and prints them.
heard() {
    for _ in $(seq 300); do
        spoken_since "$2" | grep -E -- "$1" && return 0
        sleep 0.1
    done
    echo "FAIL: Orca did not say /$1/; it said:"
    spoken_since "$2" | sed 's/^/    /'
    exit 1
}
# Presses keys, then waits for Orca to speak words matching the pattern.
press_until() {
    local pattern=$1
    shift
    local from
    from=$(($(wc -l <"$log") + 1))
    xdotool key --delay 150 "$@" 2>/dev/null
    heard "$pattern" "$from"
}

echo "== The window opens"
heard 'Skalix - von' 1 || exit 1

echo "== From Text4(0) back to the slider of the maximum points"
said=$(press_until 'Regler für die Maximalpunkte' shift+Tab shift+Tab shift+Tab shift+Tab \
    shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab) || { echo "$said"; exit 1; }
echo "$said"
grep -q "slider" <<<"$said" || { echo "FAIL: the slider is not presented as a slider"; exit 1; }
grep -qi "scroll" <<<"$said" && { echo "FAIL: the slider is presented as a scroll bar"; exit 1; }

echo "== On to the maximum points"
said=$(press_until '^100\b|\b10\b' shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab) ||
    { echo "$said"; exit 1; }
echo "$said"
grep -qE "^10( |$)|'10 " <<<"$said" && { echo "FAIL: 100 was spoken as 10"; exit 1; }

echo "== 60 typed into the reached points"
press_until 'Erreichte Punkte' Tab >/dev/null || exit 1
said=$(press_until '3,6' 6 0) || { echo "$said"; exit 1; }
echo "$said"
echo "PASS"
