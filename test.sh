#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Skalix and runs its tests headless through CTest: the format
# check; every test labelled desktop or session (tests/CMakeLists.txt) on
# the Release build; the Debian package under lintian; the same tests
# built with AddressSanitizer and UBSan; and a bounded run of each fuzzer
# over its seed corpus. .ci/run adds the tests labelled web and windows.
#
# A test that did not run (a tool it needs is missing) is no pass: the run
# ends by naming each such test and why, and fails.
set -euo pipefail
cd "$(dirname "$0")"

# Besides the build: the checkers, the sanitizer and fuzzer runtime, the
# benchmarks' library, a virtual X display for the tests only a real desktop
# shows, the qt6ct platform theme that applies dark and high-contrast
# palettes as a desktop would, a headless Wayland desktop with an
# accessibility bus for the session test, and the Orca screen reader with
# its speech synthesizer and a window manager for the test of what a blind
# user hears. Mesa's EGL as on every desktop with graphics: Qt's Wayland
# platform loads it, and the tests under the sanitizers then see what it
# does in the program.
scripts/setup.sh clang-format desktop-file-utils appstream dpkg-dev lintian clang \
    libclang-rt-14-dev libbenchmark-dev xvfb xauth x11-utils weston dbus at-spi2-core \
    python3-pyatspi gir1.2-atspi-2.0 qt6ct orca speech-dispatcher-espeak-ng openbox xdotool \
    libegl1 libegl-mesa0

jobs=$(($(nproc) + 1))
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
started=$SECONDS
stage_started=$SECONDS
stage() {
    [ -n "${stage_name:-}" ] && printf '(%s: %d s)\n' "$stage_name" $((SECONDS - stage_started))
    stage_name=$1
    stage_started=$SECONDS
    echo "== $1"
}

# ctest --preset PRESET [OPTION...], its report kept for the list of tests
# that did not run.
run_tests() {
    local preset=$1
    shift
    ctest --preset "$preset" --parallel "$jobs" --output-junit "$results/$preset.xml" "$@"
}

stage "Format"
scripts/check-format.sh

stage "Build and test (labels desktop and session)"
cmake --preset default >/dev/null
cmake --build --preset default
run_tests default --label-exclude 'web|windows'

stage "Debian package, checked by lintian"
rm -f build-release/skalix_*.deb
cmake --workflow --preset release >/dev/null
lintian --fail-on error,warning build-release/skalix_*.deb

stage "Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
run_tests asan

stage "Fuzzing, ${SKALIX_FUZZ_SECONDS:-30} seconds per target"
cmake --preset fuzz -DSKALIX_FUZZ_SECONDS="${SKALIX_FUZZ_SECONDS:-30}" >/dev/null
cmake --build --preset fuzz
run_tests fuzz

stage "Done"
echo "All stages in $((SECONDS - started)) s."
scripts/not-run.py "$results"/*.xml
