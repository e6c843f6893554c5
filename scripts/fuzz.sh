#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time: argument 1, seconds (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
out=build/fuzz
mkdir -p "$out/obj"
plain_sources=(src/common/*.cpp src/platform/plain/*.cpp src/*/model/*.cpp)
flags="-std=c++20 -g -O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -Isrc"
# The Qt-free sources are compiled once, in parallel, with coverage for the fuzzer; each target
# then only compiles its own entry point and links.
printf '%s\n' "${plain_sources[@]}" | xargs -P "$(nproc)" -I{} sh -c \
  'o="$1/obj/$(echo "$2" | tr / _).o"; [ "$o" -nt "$2" ] || clang++ $3 -fsanitize=fuzzer-no-link -c "$2" -o "$o"' \
  sh "$out" {} "$flags"
objects=("$out"/obj/*.o)
targets=(number_text ini import spectrum_update)
for target in "${targets[@]}"; do
  # shellcheck disable=SC2086
  clang++ $flags -fsanitize=fuzzer "fuzz/fuzz_${target}.cpp" "${objects[@]}" -o "$out/fuzz_${target}"
  mkdir -p "$out/corpus_${target}"
  echo "fuzzing ${target} for ${seconds} s"
  "$out/fuzz_${target}" -max_total_time="$seconds" -print_final_stats=0 \
      "$out/corpus_${target}" "fuzz/corpus/${target}" 2>"$out/fuzz_${target}.log" \
    || { tail -n 40 "$out/fuzz_${target}.log"; echo "fuzzing ${target} found a fault"; exit 1; }
  grep -E '^#[0-9]+.*DONE|Done [0-9]+ runs' "$out/fuzz_${target}.log" | tail -n 1 || true
done
echo "fuzz: ${#targets[@]} passed, 0 failed"
