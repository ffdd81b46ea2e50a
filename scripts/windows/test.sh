#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests the Windows build of scripts/windows/build.sh under Wine: the Qt
# Test suites (headless), the real skalix.exe on a virtual X display (its
# screenshot goes to build-windows/skalix-under-wine.png), the version
# information of the program and its installer, the installer's pages, and
# the installer with its uninstaller.
set -euo pipefail
cd "$(dirname "$0")/../.."
SKALIX_WINDOWS_QT=$(scripts/windows/static-qt.sh)
export SKALIX_WINDOWS_QT

echo "== Qt Test suites under Wine"
ctest --preset windows
echo "== skalix.exe under Wine"
scripts/windows/smoke.sh build-windows/skalix.exe build-windows/skalix-under-wine.png
echo "== Version information of skalix.exe and its installer"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
scripts/windows/versioninfo.py "$version" build-windows/skalix.exe build-windows/Skalix-*-win64-setup.exe
echo "== The installer's pages under Wine"
scripts/windows/installer-pages.sh build-windows/Skalix-*-win64-setup.exe
echo "== The installer under Wine"
scripts/windows/installer.sh build-windows/Skalix-*-win64-setup.exe
