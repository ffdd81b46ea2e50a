#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer's pages under Wine, as a person sees them: German, and the
# licence shown as information to read, moved on from with "Weiter", not
# as an agreement to accept. What the pages say is read off the screen
# (tesseract); the installer is ended before it installs anything.
# Usage: scripts/windows/installer-pages.sh Skalix-<version>-win64-setup.exe
set -uo pipefail
setup=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# The installer's prefix, beside the tests' one.
export SKALIX_WINEPREFIX=${SKALIX_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/skalix-windows/wineprefix}-installer
source "$here/display.sh"

"$here/wine.sh" "$setup" &
app=$!
window=$(wait_for_window 'Installation von Skalix') || fail "no window 'Installation von Skalix'"
sleep 1
welcome=$(window_text "$window")
grep -q "Willkommen" <<<"$welcome" || fail "the first page is no German welcome: $welcome"
grep -q "Lehrerinnen und Lehrern" <<<"$welcome" || fail "the welcome does not say what Skalix is: $welcome"
grep -qi "Systemdateien\|system files" <<<"$welcome" && fail "the welcome speaks of system files: $welcome"
echo "first page: $(grep -m 1 Willkommen <<<"$welcome")"

xdotool key --window "$window" Return 2>/dev/null
sleep 1
licence=$(window_text "$window")
buttons=$(window_text "$window" -gravity South -crop 100%x12%+0+0)
grep -q "Lizenz" <<<"$licence" || fail "the second page is not the licence: $licence"
grep -q "nichts annehmen" <<<"$licence" || fail "the licence page asks for consent: $licence"
grep -q "Weiter" <<<"$buttons" || fail "the licence page has no Weiter button: $buttons"
if grep -qiE "annehmen|stimme|agree|next" <<<"$buttons"; then
    fail "the licence page asks to accept it: $buttons"
fi
echo "licence page: $(grep -m 1 Lizenz <<<"$licence"); buttons: $buttons"
"$here/wine.sh" --stop
