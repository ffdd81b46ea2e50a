#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a bare virtual X display of the given size, with no
# window manager, in a world of its own (session.sh). Skipped (77) only
# where Xvfb is not installed.
# Usage: on_x11.sh WIDTHxHEIGHT COMMAND [ARGUMENT ...]
set -uo pipefail
source "$(dirname "$0")/session.sh"
require Xvfb xprop
in_own_session "$@"
screen=$1
shift
work=$(mktemp -d)
trap cleanup EXIT
start_x_display "${screen}x24"
"$@"
