#!/usr/bin/env bash
# lupdate over the sources leaves zelto_en.ts as it is (no text new or gone), and no entry in it
# waits for its English:   translations_test.sh LUPDATE SOURCE_FOLDER
set -euo pipefail
lupdate="$1"
project="$2"
copy="$(mktemp --suffix=.ts)"
trap 'rm -f "$copy"' EXIT
cp "$project/translations/zelto_en.ts" "$copy"
"$lupdate" -silent -locations none -no-obsolete -target-language en "$project/src" -ts "$copy"
if ! cmp -s "$project/translations/zelto_en.ts" "$copy"; then
  echo "zelto_en.ts lags behind the sources (cmake --build build --target update_translations):"
  diff "$project/translations/zelto_en.ts" "$copy" || true
  exit 1
fi
if grep -n 'type="unfinished"' "$copy"; then
  echo "entries of zelto_en.ts without their English"
  exit 1
fi
