#!/usr/bin/env bash
# Builds Velomare in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELOMARE_TESTS=OFF -DVELOMARE_BENCH=OFF >/dev/null
cmake --build build/release --target velomare
exec build/release/velomare "$@"
