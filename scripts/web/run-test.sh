#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Qt Test suite built for the browser (its .js, with the .wasm
# beside it) in headless Chromium, on a page of its own like the site's.
# CTest runs the web tests through this (CMAKE_CROSSCOMPILING_EMULATOR).
# Usage: scripts/web/run-test.sh build-wasm/tests/tst_numbertext.js
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
test=$(realpath "$1")
site=$(mktemp -d)
trap 'rm -rf "$site"' EXIT
cmake -DPROGRAM="$(basename "$test" .js)" -DBUILD_DIR="$(dirname "$test")" \
    -DSOURCE_DIR="$here/../.." -DSITE_DIR="$site" -DDESCRIPTION="Skalix test" \
    -P "$here/../../cmake/web-site.cmake"
node "$here/run-test.mjs" "$site"
