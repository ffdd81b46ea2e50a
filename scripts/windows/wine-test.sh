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
"$here/wine.sh" "$@" -o "Z:$(echo "$log" | tr / '\\'),txt"
status=$?
cat "$log"
exit $status
