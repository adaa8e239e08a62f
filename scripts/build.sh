#!/usr/bin/env bash
# Configures build/ and builds everything in it (programs, tests, benchmarks), or only the
# targets named and what they need:   scripts/build.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build build --parallel "$(nproc)" "${targets[@]}"
