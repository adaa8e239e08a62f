#!/usr/bin/env bash
# Includes run only down the layers: each folder of src/ includes its own headers and those of
# the folders below it, never one above or beside it.   layers_test.sh SOURCE_DIR
set -euo pipefail
cd "$1/src"

declare -A below=(
  [text]=""
  [link]="text"
  [sim]="text"
  [instruments]="text"
  [files]="link text"
  [config]="files link text"
  [rig]="config files link sim text"
  [calib]="config files link text"
  [keep]="calib config files link text"
  [check]="keep calib config files link instruments text"
  [report]="check keep calib config files link instruments text"
  [app]="report check keep calib rig config files link instruments sim text"
  [cli]="report check keep calib rig config files link instruments sim text"
)

status=0
for folder in */; do
  folder="${folder%/}"
  if [[ ! -v below[$folder] ]]; then
    echo "src/$folder has no place in the layers of $0" >&2
    status=1
    continue
  fi
  allowed=" $folder ${below[$folder]} "
  while IFS=: read -r file line included; do
    room="${included%%/*}"
    if [[ "$allowed" != *" $room "* ]]; then
      echo "src/$file:$line includes $included, which is not below $folder" >&2
      status=1
    fi
  done < <(grep -rnoE '^#include "[a-z_]+/[^"]+"' "$folder" |
    sed -E 's/^([^:]+):([0-9]+):#include "([^"]+)"/\1:\2:\3/')
done
exit "$status"
