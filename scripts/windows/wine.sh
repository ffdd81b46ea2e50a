#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine in the project's own Wine prefix (made
# on first use): 64-bit Wine's loader called directly, since 32-bit code
# does not run on every kernel. CTest runs the cross-built tests through
# this (CMAKE_CROSSCOMPILING_EMULATOR).
# Usage: scripts/windows/wine.sh PROGRAM.exe [ARG...]
#        scripts/windows/wine.sh --stop    ends every program of the prefix
#
# A Wine session keeps the display it was started with: a program started
# with DISPLAY set while a session without one still runs (or the other
# way round) gets no window. Stop the session between the two.
set -euo pipefail
export WINEPREFIX=${SKALIX_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/skalix-windows/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and Wine would ask for them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=/usr/lib/wine/wine64

if [ "${1:-}" = "--stop" ]; then
    /usr/lib/wine/wineserver --kill 2>/dev/null || true
    /usr/lib/wine/wineserver --wait 2>/dev/null || true
    exit 0
fi

# Tests start in parallel; the first of them makes the prefix while the
# others wait for it.
mkdir -p "$WINEPREFIX"
exec {prefix_lock}>"$WINEPREFIX.lock"
flock "$prefix_lock"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot --init >/dev/null 2>&1
    /usr/lib/wine/wineserver --wait
fi
flock --unlock "$prefix_lock"
exec {prefix_lock}>&-

# Wine keeps the host's QT_* variables from Windows programs (they would
# confuse a Windows Qt), so the ones set here (QT_QPA_PLATFORM,
# QT_SCALE_FACTOR, ...) are handed over by a batch file that sets them and
# starts the program.
if ! env | grep -q '^QT_'; then
    exec "$wine" "$@"
fi
windows() { echo "Z:$(realpath -m "$1" | tr / '\\')"; }
batch=$(mktemp --suffix=.bat)
trap 'rm -f "$batch"' EXIT
{
    env | grep '^QT_' | while IFS= read -r variable; do printf '@set %s\r\n' "$variable"; done
    program=$1
    shift
    [ -e "$program" ] && program=$(windows "$program")
    printf '@"%s"' "$program"
    for argument in "$@"; do printf ' "%s"' "$argument"; done
    printf '\r\n@exit /b %%ERRORLEVEL%%\r\n'
} >"$batch"
"$wine" cmd /c "$(windows "$batch")"
