#!/usr/bin/env bash
# Renders every window in both languages to PNG files in the given folder (default /tmp/velomare-shots).
# VELOMARE_SCREENSHOT_ONLY=Chassisform,about limits it to some windows.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="$(realpath -m "${1:-/tmp/velomare-shots}")"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test --target test_app
QT_QPA_PLATFORM=offscreen VELOMARE_SCREENSHOTS="$folder" build/test/tests/test_app --gtest_filter='Layout.EveryWindow*'
echo "pictures in $folder"
