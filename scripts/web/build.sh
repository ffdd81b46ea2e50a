#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Skalix for the browser, in one command: build-web/, a static site
# that any web server serves as it is (the page, its style sheet and
# script, the WebAssembly module, the fonts and pictures, a web app
# manifest and a service worker), build-wasm/Skalix-<version>-web.zip of
# the same files as a release file for a server, and
# build-wasm/Skalix-<version>.html, the page as one file with all it needs
# inside, which a teacher keeps and opens from disk. Needs Debian's emscripten and
# Node.js, and installs what is missing. Options are handed to CMake:
# -DBUILD_TESTING=OFF builds the release files alone.
# Usage: scripts/web/build.sh [cmake-option ...]
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/setup.sh emscripten nodejs ninja-build fonttools python3-brotli zip
# emscripten's optimizer runs under Node.js with Debian's modules (acorn).
export NODE_PATH=/usr/share/nodejs

cmake --preset web "$@" >/dev/null
cmake --build --preset web --parallel "$(nproc)"
rm -rf build-web
cmake --install build-wasm --prefix build-web >/dev/null
rm -f build-wasm/Skalix-*-web.zip
(cd build-wasm && cpack >/dev/null)
ls -l build-web build-wasm/Skalix-*-web.zip build-wasm/Skalix-*.html
