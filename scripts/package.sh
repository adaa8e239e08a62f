#!/usr/bin/env bash
# Builds the Debian package with Debian's own compiler and linker flags:
# build-package/zelto_<version>_<architecture>.deb, which installs with
#   apt-get install ./build-package/zelto_*.deb
# then checks it with lintian; any error or warning fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=build-package

# Debian's flags, all hardening included (fortified functions, stack protector, relocations
# read-only and bound at start). They map this folder's path out of what is compiled, and the
# build leaves out the build folder's translations, so nothing points back here. The programs are
# stripped as Debian strips them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_STRIP="$PWD/packaging/debian/strip" \
  -DZELTO_BUILD_FOLDER_TRANSLATIONS=OFF \
  -DZELTO_BUILD_TESTS=OFF -DZELTO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/zelto_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/zelto_*.deb)"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
if grep -rlF "$PWD" "$unpacked"; then
  echo "These files of the package hold the path of $PWD." >&2
  exit 1
fi

lintian --fail-on error,warning --display-info "$deb"
echo "$deb"
