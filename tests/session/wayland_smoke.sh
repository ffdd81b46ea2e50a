#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a Wayland desktop: Weston with its headless backend,
# Skalix on Qt's wayland platform with no X display to fall back to, checked
# from outside through the accessibility bus: the window shows 2,6, typing 60
# into the reached points gives 3,6, and "Ende" ends it with status 0.
# Where Weston or the accessibility bus cannot start, the test says so and
# exits with 77, which CTest reports as skipped.
# Usage: wayland_smoke.sh SKALIX
set -uo pipefail
skalix=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIPPED: $*"; exit 77; }

command -v weston >/dev/null || skip "weston is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "the accessibility bus (at-spi2-core) is not installed"
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    skip "python3-pyatspi is not installed"

# Everything below runs in a D-Bus session of its own.
if [ -z "${SKALIX_IN_SESSION:-}" ]; then
    exec env SKALIX_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

socket=skalix-test
weston --backend=headless-backend.so --socket=$socket --idle-time=0 >"$work/weston.log" 2>&1 &
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] ||
    skip "Weston could not start: $(tail -n 3 "$work/weston.log" | tr '\n' ' ')"

"$launcher" --launch-immediately >/dev/null 2>&1 &
sleep 0.5

env -u DISPLAY WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$skalix" >"$work/skalix.log" 2>&1 &
app=$!

/usr/bin/python3 "$here/accessible.py" Skalix \
    expect "Erreichte Note" "2,6" \
    type "Erreichte Punkte" "60" \
    expect "Erreichte Note" "3,6" \
    press "Ende"
checked=$?

status=timeout
for _ in $(seq 100); do
    if ! kill -0 $app 2>/dev/null; then
        wait $app
        status=$?
        break
    fi
    sleep 0.1
done
echo "Skalix ended with status $status"
cat "$work/skalix.log"
[ $checked -eq 0 ] && [ "$status" = 0 ]
