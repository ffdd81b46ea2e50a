#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests the web build of scripts/web/build.sh in headless Chromium: the
# logic suites compiled for the browser (number texts, percentage keys,
# presets, live evaluation, bad input), the real site driven as a teacher
# would use it (scripts/web/site-test.mjs), and the site's size: at most
# 5 MB with gzip -9. Then measures the site beside the floor page (sizes
# and first frame), for the README.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/setup.sh chromium nodejs tesseract-ocr tesseract-ocr-eng imagemagick
(cd scripts/web && npm ci --no-audit --no-fund --loglevel=error)

echo "== Logic suites in the browser"
ctest --preset web
echo "== The site in the browser"
node scripts/web/site-test.mjs build-web
echo "== Its size"
node scripts/web/sizes.mjs build-web 5000000
echo "== Beside the floor page"
node scripts/web/measure.mjs build-web build-wasm/floor-site 5
