#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program built for the browser (its .js, with the .wasm
# beside it) in headless Chromium, on a page of its own, and passes on
# what it printed and its result. CTest runs the web tests through this
# (CMAKE_CROSSCOMPILING_EMULATOR).
# Usage: scripts/web/run-test.sh build-wasm/tests/tst_numbertext.js [OUTPUT]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
test=$(realpath "$1")
site=$(mktemp -d)
trap 'rm -rf "$site"' EXIT
name=$(basename "$test" .js)
cp "$test" "${test%.js}.wasm" "$site/"
cat >"$site/index.html" <<PAGE
<!doctype html>
<html lang="en"><meta charset="utf-8"><title>$name</title><link rel="icon" href="data:,">
<script>var Module = { onExit: (status) => console.log('Exit status: ' + status) };</script>
<script src="$name.js"></script>
PAGE
node "$here/run-test.mjs" "$site" "${2:-}"
