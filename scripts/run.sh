#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator. Arguments go to the program:
#   scripts/run.sh                   the built-in simulated transmitter
#   scripts/run.sh --port /dev/ttyUSB0   a real device
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/src/app/zelto "$@"
