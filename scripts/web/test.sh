#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests the web build of scripts/web/build.sh, installing what it needs:
#   - the core's suites, in headless Chromium;
#   - the differential check: the same generated cases through the core on
#     the desktop and in the browser, the outputs equal byte for byte;
#   - the site as a teacher uses it in Chromium, Firefox ESR and WebKitGTK
#     (scripts/web/site-test.mjs; WebKit on a virtual X display);
#   - in Chromium: the accessibility tree, axe-core, a phone, offline use,
#     an update, and the site's size (scripts/web/chromium-test.mjs);
#   - Orca with the page in Chromium (tests/session/orca_web.sh);
#   - and, measured beside the floor page, first paint and Lighthouse's
#     scores, for the README (scripts/web/measure.mjs).
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/setup.sh chromium firefox-esr webkit2gtk-driver nodejs xvfb xauth x11-utils openbox \
    xdotool orca dbus at-spi2-core python3-gi
(cd scripts/web && npm ci --no-audit --no-fund --loglevel=error)
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

echo "== The core's suites in the browser"
ctest --preset web

echo "== The differential check: the core on the desktop and in the browser"
cmake --preset default >/dev/null
cmake --build --preset default --target differential >/dev/null
build/tests/differential >"$results/desktop.txt"
scripts/web/run-test.sh build-wasm/tests/differential.js "$results/browser.txt"
if ! cmp "$results/desktop.txt" "$results/browser.txt"; then
    diff "$results/desktop.txt" "$results/browser.txt" | head -n 20
    exit 1
fi
echo "$(wc -l <"$results/desktop.txt") results, the same on both, byte for byte"

echo "== The site in Chromium, Firefox ESR and WebKitGTK"
node scripts/web/site-test.mjs build-web chromium firefox
xvfb-run -a -s "-screen 0 1280x1024x24" node scripts/web/site-test.mjs build-web webkit

echo "== Chromium: accessibility, axe-core, a phone, offline, an update, the size"
node scripts/web/chromium-test.mjs build-web build-wasm/page/names.json

echo "== Orca with the page"
status=0
tests/session/orca_web.sh build-web || status=$?
if [ $status -eq 77 ]; then
    echo "(skipped)"
elif [ $status -ne 0 ]; then
    exit $status
fi

echo "== Beside the floor page"
node scripts/web/measure.mjs build-web 5
