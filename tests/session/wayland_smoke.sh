#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a Wayland desktop: Weston with its headless backend,
# Skalix on Qt's wayland platform with no X display to fall back to, checked
# from outside through the accessibility bus: the window shows 2,6, typing 60
# into the reached points gives 3,6, and "Ende" ends it with status 0.
# Skipped (77) only where a tool it needs is not installed (session.sh).
# Usage: wayland_smoke.sh SKALIX
set -uo pipefail
skalix=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

require weston
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    skip "python3-pyatspi is not installed"
in_own_session "$@"
work=$(mktemp -d)
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

socket=skalix-test
weston --backend=headless-backend.so --socket=$socket --idle-time=0 >"$work/weston.log" 2>&1 &
wait_until "Weston did not start" "$work/weston.log" test -S "$XDG_RUNTIME_DIR/$socket"
start_accessibility_bus

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
