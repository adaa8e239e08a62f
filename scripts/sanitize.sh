#!/usr/bin/env bash
# Builds the tests with clang under AddressSanitizer (leak detection on) and
# UndefinedBehaviorSanitizer in build-sanitize/, and runs every ctest test, the window tests on
# the offscreen platform included. Any sanitizer report, from a test or from a program a test
# starts, fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --clang

sanitizers=address,undefined,float-cast-overflow
build=build-sanitize
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-O1 -fno-omit-frame-pointer -fsanitize=$sanitizers -fno-sanitize-recover=all" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=$sanitizers" \
  -DZELTO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# Reports go to files rather than standard error: the tests compare what the tool prints, and a
# report from a program that a test starts and stops must not go unseen.
reports="$PWD/$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
# Two tests start the tool with five file descriptors, to see it report the shortage in words.
# The sanitizers' own runtime needs descriptors too (UBSan opens a pipe to check that memory can
# be read), so under it those runs report on themselves; they run in the plain test suite.
without_descriptors='^SystemErrors\.(ASimulatorWithoutDescriptors|APortThatCannotBeOpenedForWantOfDescriptors)'
status=0
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" -E "$without_descriptors" ||
  status=$?

if [ -n "$(ls -A "$reports")" ]; then
  for report in "$reports"/*; do
    echo "=== $report"
    cat "$report"
  done
  echo "Sanitizer reports: $(ls "$reports" | wc -l)" >&2
  exit 1
fi
exit "$status"
