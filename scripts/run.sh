#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator. Arguments go to the program:
#   scripts/run.sh                       the built-in simulated transmitter (Velmor-7)
#   scripts/run.sh --simulate 1          the simulator as another model (0, 1 or 2)
#   scripts/run.sh --port /dev/ttyUSB0   a real device
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

# Without a device, the simulator stands in for one.
arguments=("$@")
device_given=false
for argument in "${arguments[@]}"; do
  case "$argument" in
    --port | --port=* | --simulate | --simulate=*) device_given=true ;;
  esac
done
$device_given || arguments+=(--simulate)
exec build/src/app/zelto "${arguments[@]}"
