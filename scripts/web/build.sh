#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Skalix for the browser, in one command: build-web/, a static site
# that any web server serves as it is (index.html, the program's .js and
# .wasm, its start script, the icons, a web app manifest and a service
# worker), and build-wasm/Skalix-<version>-web.zip of the same files as a
# release file. Installs what is missing; the static Qt for WebAssembly
# comes from scripts/web/static-qt.sh (cached, prebuilt, or made). Options
# are handed to CMake: -DBUILD_TESTING=OFF builds the release files alone.
# Usage: scripts/web/build.sh [cmake-option ...]
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/setup.sh emscripten ninja-build qt6-base-dev-tools fonttools zip
SKALIX_WEB_QT=$(scripts/web/static-qt.sh)
EMSDK=$(scripts/web/emsdk.sh "${SKALIX_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/skalix-web}/emsdk")
export SKALIX_WEB_QT EMSDK EM_CONFIG=$EMSDK/.emscripten

cmake --preset web "$@" >/dev/null
cmake --build --preset web --parallel "$(nproc)"
rm -rf build-web
cmake --install build-wasm --prefix build-web >/dev/null
rm -f build-wasm/Skalix-*-web.zip
(cd build-wasm && cpack >/dev/null)
ls -l build-web build-wasm/Skalix-*-web.zip
