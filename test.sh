#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Skalix and runs every test headless through CTest: the format check,
# the plain build, the Debian package under lintian, the same tests under
# AddressSanitizer and UBSan, and a bounded run of each fuzzer over its seed
# corpus.
set -euo pipefail
cd "$(dirname "$0")"

# Besides the build: the checkers, the sanitizer and fuzzer runtime, the
# benchmarks' library, a virtual X display for the tests only a real desktop
# shows, the qt6ct platform theme that applies dark and high-contrast
# palettes as a desktop would, a headless Wayland desktop with an
# accessibility bus for the session test, and the Orca screen reader with a
# window manager for the test of what a blind user hears. Mesa's EGL as on
# every desktop with graphics: Qt's Wayland platform loads it, and the
# tests under the sanitizers then see what it does in the program.
scripts/setup.sh clang-format desktop-file-utils appstream dpkg-dev lintian clang \
    libclang-rt-14-dev libbenchmark-dev xvfb xauth x11-utils weston dbus at-spi2-core \
    python3-pyatspi gir1.2-atspi-2.0 qt6ct orca openbox xdotool libegl1 libegl-mesa0

echo "== Format"
scripts/check-format.sh

echo "== Build and test"
cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)"
ctest --preset default

echo "== Debian package, checked by lintian"
rm -f build-release/skalix_*.deb
cmake --workflow --preset release >/dev/null
lintian --fail-on error,warning build-release/skalix_*.deb

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$(nproc)"
ctest --preset asan

echo "== Fuzzing, ${SKALIX_FUZZ_SECONDS:-30} seconds per target"
cmake --preset fuzz -DSKALIX_FUZZ_SECONDS="${SKALIX_FUZZ_SECONDS:-30}" >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)"
ctest --preset fuzz
