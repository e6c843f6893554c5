#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer and runs the suite, then
# fuzzes the text parsers for a bounded time. One sanitizer build instead of a plain one and a
# sanitizer one: it catches all the plain build would, at half the build time on a small machine.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh test
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# clang builds these tests about twice as fast as g++; -g1 keeps line numbers in the reports.
CXX=clang++ cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELOMARE_SANITIZE=ON \
      -DVELOMARE_BENCH=OFF -DCMAKE_CXX_FLAGS_DEBUG=-g1 >/dev/null
cmake --build build/asan
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== fuzzing"
bash scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
