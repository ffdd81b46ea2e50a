#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine, in a Wine prefix of its own: a silent install
# (/S) puts skalix.exe, its licences and an uninstaller under Program Files
# and a Start-menu entry in place; the installed program passes the smoke
# test; the silent uninstaller removes all of it again, registry keys too.
# Usage: scripts/windows/installer.sh Skalix-<version>-win64-setup.exe
set -euo pipefail
setup=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# A prefix of its own beside the tests' one, made anew for each run.
export SKALIX_WINEPREFIX=${SKALIX_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/skalix-windows/wineprefix}-installer
rm -rf "$SKALIX_WINEPREFIX"
fail() { echo "FAIL: $*"; exit 1; }

"$here/wine.sh" "$setup" /S
"$here/wine.sh" --stop
drive=$SKALIX_WINEPREFIX/drive_c
installed="$drive/Program Files/Skalix"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Skalix/Skalix.lnk"
for file in skalix.exe Uninstall.exe LICENSE.txt LiberationSans-LICENSE.txt; do
    [ -f "$installed/$file" ] || fail "the installer did not put $file into Program Files\\Skalix"
done
[ -f "$menu" ] || fail "no Start-menu entry"
echo "installed: $(cd "$installed" && echo *), Start-menu entry Skalix"

"$here/smoke.sh" "$installed/skalix.exe"

"$here/wine.sh" "$installed/Uninstall.exe" /S
# The uninstaller copies itself away and works on after it has returned.
for _ in $(seq 100); do
    [ -e "$installed" ] || [ -e "$menu" ] || break
    sleep 0.2
done
"$here/wine.sh" --stop
[ ! -e "$installed" ] || fail "the uninstaller left Program Files\\Skalix behind"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu entry behind"
# Wine keeps the registry in text files: no key named Skalix may be left.
left=$(grep -hE '^\[[^]]*\\\\Skalix(\\\\[^]]*)?\]' "$SKALIX_WINEPREFIX"/*.reg || true)
[ -z "$left" ] || fail "the uninstaller left registry keys behind: $left"
echo "uninstalled: Program Files\\Skalix, the Start-menu entry and the registry keys are gone"
