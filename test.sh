#!/usr/bin/env bash
# Builds Skalix and runs every test headless through CTest: the plain build,
# the same tests under AddressSanitizer and UBSan, and a bounded run of each
# fuzzer over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh desktop-file-utils appstream dpkg-dev clang libclang-rt-14-dev libbenchmark-dev
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --timeout 120

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSKALIX_SANITIZE=ON >/dev/null
cmake --build build-asan --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure --timeout 300

echo "== Fuzzing, ${SKALIX_FUZZ_SECONDS:-30} seconds per target"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSKALIX_FUZZ=ON -DSKALIX_FUZZ_SECONDS="${SKALIX_FUZZ_SECONDS:-30}" >/dev/null
cmake --build build-fuzz --parallel "$jobs" --target fuzz_numbertext fuzz_evaluation
ctest --test-dir build-fuzz --output-on-failure -R '^fuzz_'
