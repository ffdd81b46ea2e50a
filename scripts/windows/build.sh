#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Skalix for Windows on Debian, in one command:
# build-windows/skalix.exe, the installer
# build-windows/Skalix-<version>-win64-setup.exe, the portable
# build-windows/Skalix-<version>-win64-portable.zip, and the Qt Test suites
# that scripts/windows/test.sh runs under Wine. Installs what is missing;
# the static Qt comes from scripts/windows/static-qt.sh (cached, or made).
# Options are handed to CMake: -DBUILD_TESTING=OFF builds the release files
# alone.
# Usage: scripts/windows/build.sh [cmake-option ...]
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/setup.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64 \
    qt6-base-dev-tools nsis wine64 xvfb xauth x11-utils xdotool imagemagick tesseract-ocr \
    tesseract-ocr-eng python3-pefile fonttools
SKALIX_WINDOWS_QT=$(scripts/windows/static-qt.sh)
export SKALIX_WINDOWS_QT

# A folder configured before the build went to Ninja cannot change its
# generator; it is configured afresh.
cache=build-windows/CMakeCache.txt
if [ -f $cache ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' $cache; then
    rm -rf $cache build-windows/CMakeFiles
fi
cmake --preset windows "$@" >/dev/null
cmake --build --preset windows --parallel "$(nproc)"
rm -f build-windows/Skalix-*-win64-*
cpack --preset windows >/dev/null
ls -l build-windows/skalix.exe build-windows/Skalix-*-win64-*
