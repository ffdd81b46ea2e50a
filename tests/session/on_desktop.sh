#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X display of the given size with a window
# manager (openbox), which frames its windows as a desktop does: a title
# bar and a border around each (session.sh). Skipped (77) only where Xvfb or
# openbox is not installed.
# Usage: on_desktop.sh WIDTHxHEIGHT COMMAND [ARGUMENT ...]
set -uo pipefail
source "$(dirname "$0")/session.sh"
in_own_session "$@"
screen=$1
shift
work=$(mktemp -d)
trap cleanup EXIT
start_x_desktop "${screen}x24"
"$@"
