#!/usr/bin/env bash
# Builds Skalix and runs every test headless through CTest.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh desktop-file-utils appstream dpkg-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 120
