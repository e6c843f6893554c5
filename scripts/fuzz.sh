#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time: argument 1, seconds (default 20).
# Each run starts from the target's kept corpus in fuzz/corpus/<target>, copied to a scratch
# folder so that a run never writes into the source tree.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
out=build/fuzz
mkdir -p "$out/obj" "$out/lean"
plain_sources=(src/common/*.cpp src/platform/plain/*.cpp src/*/model/*.cpp)
flags="-std=c++20 -g -O2 -fsanitize=address,undefined -fno-sanitize-recover=undefined -Isrc"
# Coverage inside the standard library's string helpers tells the fuzzer nothing about our code.
coverage="-fsanitize=fuzzer-no-link -fsanitize-coverage-ignorelist=fuzz/coverage_ignore.txt"
# The Qt-free sources are compiled once, in parallel, with coverage for the fuzzer; each target
# then only compiles its own entry point and links. An object is made again when its source or
# any header is newer. The number and encoding routines are also
# compiled with edge counters alone ("lean"): the number-text target explores them with
# comparison tracing, the file readers call them for every field and would be slowed down
# several times by tracing them again.
printf '%s\n' "${plain_sources[@]}" | xargs -P "${FUZZ_JOBS:-$(nproc)}" -I{} sh -c \
  'o="$1/obj/$(echo "$2" | tr / _).o"; [ "$o" -nt "$2" ] && [ -z "$(find src -name "*.h" -newer "$o" | head -n 1)" ] ||
     clang++ $3 $4 -c "$2" -o "$o"' \
  sh "$out" {} "$flags" "$coverage"
lean_sources=(src/common/NumberText.cpp src/common/Encoding.cpp)
for source in "${lean_sources[@]}"; do
  o="$out/lean/$(echo "$source" | tr / _).o"
  # shellcheck disable=SC2086
  [ "$o" -nt "$source" ] && [ -z "$(find src -name "*.h" -newer "$o" | head -n 1)" ] || clang++ $flags -fsanitize-coverage=inline-8bit-counters,pc-table -c "$source" -o "$o"
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
targets=(number_text ini import spectrum_update)
for target in "${targets[@]}"; do
  objects=("$out"/obj/*.o)
  if [ "$target" != number_text ]; then
    objects=()
    for o in "$out"/obj/*.o; do [ -e "$out/lean/$(basename "$o")" ] || objects+=("$o"); done
    objects+=("$out"/lean/*.o)
  fi
  # shellcheck disable=SC2086
  clang++ $flags -fsanitize=fuzzer "fuzz/fuzz_${target}.cpp" "${objects[@]}" -o "$out/fuzz_${target}"
  cp -r "fuzz/corpus/${target}" "$scratch/${target}"
  echo "fuzzing ${target} for ${seconds} s"
  "$out/fuzz_${target}" -max_total_time="$seconds" -print_final_stats=1 "$scratch/${target}" \
      2>"$out/fuzz_${target}.log" \
    || { tail -n 40 "$out/fuzz_${target}.log"; echo "fuzzing ${target} found a fault"; exit 1; }
  grep -E '^Done [0-9]+ runs|average_exec_per_sec' "$out/fuzz_${target}.log" | tr -s ' ' | paste -sd ' ' || true
done
echo "fuzz: ${#targets[@]} passed, 0 failed"
