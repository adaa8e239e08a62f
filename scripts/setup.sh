#!/usr/bin/env bash
# Installs the Debian packages the build, the program, the tests and the package need, and only
# those that are missing. Safe to run again and again; needs no input (CI has no terminal).
#   scripts/setup.sh           the build, the program, the tests and the Debian package
#   scripts/setup.sh --run     only what configuring the build and starting the programs needs
#                              (scripts/run.sh), so that a first start waits for nothing else
#   scripts/setup.sh --clang   also clang with its sanitizer and libFuzzer runtimes, for
#                              scripts/sanitize.sh and scripts/fuzz.sh
set -euo pipefail

# What configuring build/ needs (it finds the test and benchmark libraries too), and what the
# programs need to start.
packages=(
  g++ cmake make
  qt6-base-dev qt6-serialport-dev libgl-dev
  # The plot window; Qt Charts' CMake package needs Qt OpenGL's, which its package leaves out.
  qt6-charts-dev libqt6opengl6-dev
  # The English interface (lupdate, lrelease and their CMake package), and Qt's own Russian
  # texts for the Russian one.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  pkg-config libxcb1-dev
  libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
)
# The checkers the tests run on an install, and the Debian package's tools: dpkg-buildflags and
# dpkg-shlibdeps (dpkg-dev), file (CPack finds the programs with it) and lintian; pdftotext
# (poppler-utils), with which the tests read the check's report back.
checkers=(desktop-file-utils man-db appstream file dpkg-dev lintian poppler-utils)

case "${1:-}" in
  --run) ;;
  --clang) packages+=("${checkers[@]}" clang libclang-rt-14-dev) ;;
  "") packages+=("${checkers[@]}") ;;
  *)
    echo "usage: $0 [--run | --clang]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
