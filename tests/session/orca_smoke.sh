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

for tool in orca script Xvfb openbox xdotool xwininfo xprop dbus-run-session dbus-send; do
    command -v $tool >/dev/null || skip "$tool is not installed"
done
# Orca runs once per user, and will not start while another Orca process
# is there, not even one that has ended and is not yet reaped. A screen
# reader of the user's own is left alone.
pgrep -x -r R,S,D,T orca >/dev/null && skip "an Orca is running already"
for _ in $(seq 100); do
    pgrep -x orca >/dev/null || break
    sleep 0.1
done
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "the accessibility bus (at-spi2-core) is not installed"

# Everything below runs in a D-Bus session of its own.
if [ -z "${SKALIX_IN_SESSION:-}" ]; then
    exec env SKALIX_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
# Orca runs under script(1) below: it is ended with it, and waited for, so
# that no Orca of this test outlives it.
cleanup() {
    if [ -n "${orca:-}" ]; then
        pkill -P "$orca" 2>/dev/null # Orca; script(1) then reaps it and ends
        for _ in $(seq 50); do
            kill -0 "$orca" 2>/dev/null || break
            sleep 0.1
        done
    fi
    kill $(jobs -p) 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
# Orca keeps its settings in the home folder; a fresh one, in English.
export HOME=$work XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config \
    XDG_DATA_HOME=$work/data LANG=C.UTF-8 LANGUAGE= LC_ALL=
# Xvfb picks a free display and names it once it takes connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
for _ in $(seq 150); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || skip "Xvfb did not start within 15 s"
export DISPLAY=:$(cat "$work/display")
# The window manager activates Skalix's window, which Orca then presents.
# Without it (an openbox that started before the display took connections
# ends at once) Orca hears nothing of the program, so it is waited for.
openbox >/dev/null 2>&1 &
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
    skip "the window manager (openbox) did not start"
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
# Qt asks once, as it starts, whether assistive technology is on and which
# events a screen reader listens to; those Orca registers with the
# accessibility bus's registry as it starts, and Qt misses any that come
# while it is asking. So Skalix starts once Orca's list is complete (as on a
# desktop, where Orca starts with the session).
a11y_bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
listened() {
    /usr/bin/python3 - "$a11y_bus" <<'PYTHON' 2>/dev/null || echo 0
import sys
from gi.repository import Gio
flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
         | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
bus = Gio.DBusConnection.new_for_address_sync(sys.argv[1], flags, None, None)
reply = bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                      "org.a11y.atspi.Registry", "GetRegisteredEvents", None, None,
                      Gio.DBusCallFlags.NONE, 2000, None)
print(len(reply.unpack()[0]))
PYTHON
}
previous=-1
for _ in $(seq 100); do
    now=$(listened)
    [ "$now" -gt 0 ] && [ "$now" = "$previous" ] && break
    previous=$now
    sleep 0.3
done

# Orca presents a window when it becomes active. Openbox activates it as it
# maps it, which can come before Skalix has joined the accessibility bus (Qt
# joins as its event loop starts), so it is activated again once Orca knows
# the program.
start_skalix() {
    "$skalix" >"$work/skalix.log" 2>&1 &
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Skalix - von' 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "FAIL: the Skalix window did not appear"; cat "$work/skalix.log"; exit 1; }
    for _ in $(seq 100); do
        tail -n +"$1" "$log" | grep -q "children-changed:add.*application | Skalix" && break
        sleep 0.1
    done
    xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id:/ { print $4 }')" 2>/dev/null
    xdotool windowactivate --sync "$window" 2>/dev/null
}

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
from=$(($(wc -l <"$log") + 1))
start_skalix "$from"
heard 'Skalix - von' "$from" || exit 1

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
press_until 'Erreichte Punkte|^75' Tab >/dev/null || exit 1
said=$(press_until '3,6' 6 0) || { echo "$said"; exit 1; }
echo "$said"
echo "PASS"
