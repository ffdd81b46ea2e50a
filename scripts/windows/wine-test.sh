#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a cross-built Qt Test program under Wine and shows its report. Under
# Wine a Windows test has no console of its own and Qt Test's report would
# not reach the terminal, so it is written to a file and shown from there.
# CTest runs the Windows tests through this (CMAKE_CROSSCOMPILING_EMULATOR).
# Usage: scripts/windows/wine-test.sh TEST.exe [ARG...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
log=$(mktemp --suffix=.txt)
trap 'rm -f "$log"' EXIT
run() { "$here/wine.sh" "$@" -o "Z:$(echo "$log" | tr / '\\'),txt"; }
run "$@"
status=$?
# Qt Test writes its report's first line as it starts: with nothing written
# the program never ran (Wine's server, still ending after the test before,
# can turn a start away), which says nothing of the test. Once more.
if [ $status -ne 0 ] && [ ! -s "$log" ]; then
    echo "Wine did not start $1 (status $status); starting it once more" >&2
    sleep 1
    run "$@"
    status=$?
fi
cat "$log"
exit $status
