#!/usr/bin/env bash
# Installs what is missing, builds the window's program (and only it: the tests and benchmarks
# wait for scripts/test.sh), and starts it. Arguments go to the program:
#   scripts/run.sh                       the built-in simulated transmitter (Velmor-7)
#   scripts/run.sh --simulate 1          the simulator as another model (0, 1 or 2)
#   scripts/run.sh --port /dev/ttyUSB0   a real device
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --run
# The built-in simulator runs inside the program, so the window's target is all it needs.
scripts/build.sh zelto

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
