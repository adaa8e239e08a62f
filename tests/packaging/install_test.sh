#!/usr/bin/env bash
# An install into a fresh prefix holds every file a desktop needs, and the desktop entry and the
# manual pages pass their own checkers:   install_test.sh BUILD_FOLDER
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.zelto.Zelto
failed=0
for file in bin/zelto bin/zelto-cli \
  share/applications/$id.desktop \
  share/icons/hicolor/scalable/apps/$id.svg \
  share/icons/hicolor/48x48/apps/$id.png \
  share/icons/hicolor/256x256/apps/$id.png \
  share/man/man1/zelto.1 share/man/man1/zelto-cli.1 \
  share/doc/zelto/README.md share/doc/zelto/LICENSE \
  share/zelto/translations/zelto_en.qm; do
  if [ ! -s "$prefix/$file" ]; then
    echo "missing from the install: $file"
    failed=1
  fi
done
for program in zelto zelto-cli; do
  [ -x "$prefix/bin/$program" ] || { echo "not executable: bin/$program"; failed=1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || failed=1
for page in zelto zelto-cli; do
  warnings="$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)"
  if [ -n "$warnings" ]; then
    echo "$page.1: $warnings"
    failed=1
  fi
done
exit "$failed"
