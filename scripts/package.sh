#!/usr/bin/env bash
# Builds the Debian package: build-package/zelto_<version>_<architecture>.deb, which installs
# with   apt-get install ./build-package/zelto_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=build-package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DZELTO_BUILD_TESTS=OFF -DZELTO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/zelto_*.deb
