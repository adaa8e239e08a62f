#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, and runs each for SECONDS (default 20) over its
# corpus in tests/corpus/<target>/:   scripts/fuzz.sh [SECONDS]
# A crash, a sanitizer report or a broken invariant fails the run. The input that found it is
# left in build-fuzz/findings/<target>/; once the fault is fixed it joins the corpus for good.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
scripts/setup.sh --clang

sanitizers=address,undefined,float-cast-overflow
build=build-fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-O1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,$sanitizers -fno-sanitize-recover=all" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=$sanitizers" \
  -DZELTO_BUILD_TESTS=OFF -DZELTO_BUILD_BENCHMARKS=OFF -DZELTO_BUILD_FUZZERS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target zelto_fuzzers

export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
# The file loaders take a path, so each of their inputs goes through a file: in memory, where
# the machine has room for it, ten times as many runs fit in the time.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for corpus in tests/corpus/*/; do
  target="$(basename "$corpus")"
  # New inputs go to the build folder; the repository's corpus is only read.
  found="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/fuzz-$target.log"
  mkdir -p "$found" "$findings"
  # What the code under test prints is dropped (-close_fd_mask); libFuzzer and the sanitizers
  # keep their own copy of standard error for their reports.
  if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=8192 \
    -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$found" "$corpus" >"$log" 2>&1; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "$target: ${runs:-?} runs in ${seconds} s"
  else
    cat "$log"
    echo "$target: FAILED, the input is in $findings/" >&2
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets that found a fault: ${failed[*]}" >&2
  exit 1
fi
