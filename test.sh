#!/usr/bin/env bash
# Builds and runs every test: the plain build, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzzing run of the text parsers.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh test
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== tests"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j "$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELOMARE_SANITIZE=ON \
      -DVELOMARE_BENCH=OFF >/dev/null
cmake --build build/asan
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== fuzzing"
bash scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
