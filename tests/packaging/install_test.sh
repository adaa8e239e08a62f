#!/usr/bin/env bash
# An install into a fresh prefix holds every file a desktop needs, the desktop entry and the
# AppStream description pass their own checkers, and the manual pages render without a warning:
# the English ones in ASCII, with or without UTF-8, the Russian ones under UTF-8.
#   install_test.sh BUILD_FOLDER
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.zelto.Zelto
failed=0
for file in bin/zelto bin/zelto-cli \
  share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg \
  share/icons/hicolor/48x48/apps/$id.png \
  share/icons/hicolor/256x256/apps/$id.png \
  share/man/man1/zelto.1.gz share/man/man1/zelto-cli.1.gz \
  share/man/ru/man1/zelto.1.gz share/man/ru/man1/zelto-cli.1.gz \
  share/bash-completion/completions/zelto-cli \
  share/doc/zelto/README.md share/doc/zelto/copyright share/doc/zelto/changelog.gz \
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
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || {
  appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml"
  failed=1
}

# Renders a page as man does in the locale; any warning of groff or man fails.
render() {
  local locale="$1" page="$2" warnings
  warnings="$(LC_ALL="$locale" MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
  if [ -n "$warnings" ]; then
    echo "${page#"$prefix"/} in $locale: $warnings"
    failed=1
  fi
}
for page in "$prefix"/share/man/man1/*.1.gz; do
  # A POSIX locale has no other characters: a Russian word there would be dropped.
  if zcat "$page" | LC_ALL=C grep -n '[^[:print:][:space:]]'; then
    echo "${page#"$prefix"/}: characters outside ASCII"
    failed=1
  fi
  render C "$page"
  render C.UTF-8 "$page"
done
for page in "$prefix"/share/man/ru/man1/*.1.gz; do
  render C.UTF-8 "$page"
  if ! LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q '^ОПИСАНИЕ'; then
    echo "${page#"$prefix"/}: no Russian heading in what man shows"
    failed=1
  fi
done
# Each page has its Russian one.
for page in "$prefix"/share/man/man1/*.1.gz; do
  [ -f "$prefix/share/man/ru/man1/${page##*/}" ] || {
    echo "no Russian page for ${page##*/}"
    failed=1
  }
done
exit "$failed"
