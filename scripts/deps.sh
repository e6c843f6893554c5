#!/usr/bin/env bash
# Installs the Debian packages that are missing: "run" (the default) what building and starting
# the program needs, "test" that and the tools the tests, the sanitizer build, the fuzzing and
# the benchmarks need.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev)
if [ "${1:-run}" = "test" ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev fonts-dejavu-core locales)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
