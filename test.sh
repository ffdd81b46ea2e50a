#!/usr/bin/env bash
# Builds Skalix and runs every test headless through CTest: the format check,
# the plain build, the same tests under AddressSanitizer and UBSan, and a
# bounded run of each fuzzer over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh clang-format desktop-file-utils appstream dpkg-dev clang libclang-rt-14-dev \
    libbenchmark-dev

echo "== Format"
scripts/check-format.sh

echo "== Build and test"
cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)"
ctest --preset default

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$(nproc)"
ctest --preset asan

echo "== Fuzzing, ${SKALIX_FUZZ_SECONDS:-30} seconds per target"
cmake --preset fuzz -DSKALIX_FUZZ_SECONDS="${SKALIX_FUZZ_SECONDS:-30}" >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)"
ctest --preset fuzz
