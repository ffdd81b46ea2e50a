#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind teacher hears of the web page: the site served on 127.0.0.1
# in Chromium or Firefox, with the Orca screen reader, on a desktop of its
# own (session.sh). The page opens with the focus in the key's first field;
# Tab brings the maximum points and the reached points, each spoken with
# its name and value; typing 60 there is followed by the new grade, "Note
# 3,6", from the page's live region; the help ("?") has its text read,
# once. Skipped (77) only where a tool it needs is not installed.
# Usage: orca_web.sh SITE_FOLDER chromium|firefox
set -uo pipefail
site=$(realpath "$1")
browser=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"

case $browser in
chromium) require chromium node xdotool ;;
firefox) require firefox-esr node xdotool ;;
*) fail "no such browser: $browser" ;;
esac
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
from=$(log_mark)
if [ "$browser" = chromium ]; then
    chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$work/chromium" \
        --no-first-run --disable-background-networking --disable-component-update \
        --disable-sync --disable-default-apps --password-store=basic --window-size=900,760 \
        --app="$address" >"$work/browser.log" 2>&1 &
else
    # A profile of its own that asks nothing, fetches nothing and opens no
    # tab of its own (such as the privacy notice of a first start).
    mkdir -p "$work/firefox"
    cat >"$work/firefox/user.js" <<'PREFS'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("app.update.enabled", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("network.captive-portal-service.enabled", false);
user_pref("network.connectivity-service.enabled", false);
user_pref("accessibility.force_disabled", -1);
user_pref("datareporting.policy.firstRunURL", "");
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("startup.homepage_welcome_url.additional", "");
PREFS
    GNOME_ACCESSIBILITY=1 firefox-esr --no-remote --kiosk --profile "$work/firefox" \
        --width 900 --height 760 "$address" >"$work/browser.log" 2>&1 &
fi
said=$(heard 'Obergrenze für Note 1,0' "$from") || { echo "$said"; tail -n 5 "$work/browser.log"; exit 1; }
echo "$said"

echo "== Tab through the key to the maximum points"
from=$(log_mark)
# Most of the key's 51 fields are passed at a typist's pace, without
# waiting for each to be spoken (a minute on a slow machine); a browser's
# screen reader may take a Tab or two for its own, so the last few are
# taken one at a time, once Orca has had its say.
xdotool key --delay 40 $(printf 'Tab %.0s' $(seq 40))
heard 'Obergrenze für Note' "$from" >/dev/null || exit 1
orca_quiet
said=$(tab_until 'Maximalpunkte') || { echo "$said"; exit 1; }
echo "$said" | tail -n 3
spoken_since "$from" | grep -q '100' || fail "the maximum points' value, 100, was not spoken"

echo "== On to the reached points"
said=$(press_until 'Erreichte Punkte' Tab) || { echo "$said"; exit 1; }
echo "$said"
spoken_since "$from" | grep -q '75' || fail "the reached points' value, 75, was not spoken"

echo "== 60 typed there"
said=$(press_until 'Note 3,6' ctrl+a 6 0) || { echo "$said"; exit 1; }
echo "$said"

echo "== The help: its text read once"
help_read_once tab_until Hilfe
echo "PASS"
