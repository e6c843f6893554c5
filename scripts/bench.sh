#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them offscreen: all of them, or those whose names
# are given (e.g. "closed impedance" runs build/bench/bench/bench_closed and bench_impedance).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELOMARE_TESTS=OFF >/dev/null
cmake --build build/bench
export QT_QPA_PLATFORM=offscreen
if [ $# -eq 0 ]; then
  set -- $(find build/bench/bench -maxdepth 1 -type f -executable -name "bench_*" -printf "%f\n" | sed "s/^bench_//" | sort)
fi
for name in "$@"; do
  echo "== bench_${name}"
  "build/bench/bench/bench_${name}"
done
