#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind teacher hears of the web page: the site served on 127.0.0.1
# in Chromium, with the Orca screen reader, on a desktop of its own
# (session.sh). The page opens with the focus in the key's first field;
# Tab brings the maximum points and the reached points, each spoken with its
# name and value; typing 60 there is followed by the new grade, "Note 3,6",
# from the page's live region. Skipped (77) only where a tool it needs is
# not installed.
# Usage: orca_web.sh SITE_FOLDER
set -uo pipefail
site=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

require chromium node xdotool
in_own_session "$@"
work=$(mktemp -d)
trap cleanup EXIT
start_x_desktop 1024x768x24
start_accessibility_bus
start_orca

node "$here/../../scripts/web/serve.mjs" "$site" 0 >"$work/serve.log" 2>&1 &
wait_until "the site was not served" "$work/serve.log" grep -q "^Serving" "$work/serve.log"
address=$(grep -o 'http://[^ ]*' "$work/serve.log")

echo "== The page opens, the focus in the first field of the key"
from=$(next_line)
chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$work/chromium" \
    --no-first-run --disable-background-networking --disable-component-update --disable-sync \
    --disable-default-apps --password-store=basic --window-size=900,760 --app="$address" \
    >"$work/chromium.log" 2>&1 &
said=$(heard 'Obergrenze für Note 1,0' "$from") || { echo "$said"; tail -n 5 "$work/chromium.log"; exit 1; }
echo "$said"

echo "== Tab through the key to the maximum points"
tabs=()
for _ in $(seq 52); do tabs+=(Tab); done
from=$(next_line)
xdotool key --delay 60 "${tabs[@]}"
said=$(heard 'Maximalpunkte' "$from") || { echo "$said"; exit 1; }
echo "$said" | tail -n 3
spoken_since "$from" | grep -q '100' || fail "the maximum points' value, 100, was not spoken"

echo "== On to the reached points"
said=$(press_until 'Erreichte Punkte' Tab) || { echo "$said"; exit 1; }
echo "$said"
spoken_since "$from" | grep -q '75' || fail "the reached points' value, 75, was not spoken"

echo "== 60 typed there"
said=$(press_until 'Note 3,6' ctrl+a 6 0) || { echo "$said"; exit 1; }
echo "$said"
echo "PASS"
