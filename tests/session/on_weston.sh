#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a headless Wayland desktop (Weston) whose screen has the
# given size, with no X display to fall back to; Qt draws the window's frame
# itself there. Skipped (77) only where Weston is not installed.
# Usage: on_weston.sh WIDTHxHEIGHT COMMAND [ARGUMENT ...]
set -uo pipefail
source "$(dirname "$0")/session.sh"
require weston
in_own_session "$@"
size=$1
shift
work=$(mktemp -d)
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=skalix-screen
weston --backend=headless-backend.so --socket=$socket --idle-time=0 --width="${size%x*}" \
    --height="${size#*x}" >"$work/weston.log" 2>&1 &
wait_until "Weston did not start" "$work/weston.log" test -S "$XDG_RUNTIME_DIR/$socket"
env -u DISPLAY WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
