#!/usr/bin/env bash
# The bash completion of zelto-cli offers what the tool takes: completed in bash for a few
# command lines, and each command's options held against its --help.
#   completion_test.sh COMPLETION_SCRIPT ZELTO_CLI
set -euo pipefail
script="$(realpath "$1")"
tool="$(realpath "$2")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

# The words bash would offer, sorted, for a command line after "zelto-cli"; the last word is the
# one being completed ("" after a blank).
offered() {
  bash -c 'source "$1"; shift; COMP_WORDS=(zelto-cli "$@"); COMP_CWORD=$#; _zelto_cli
           printf "%s\n" "${COMPREPLY[@]}"' completion "$script" "$@" | sort | paste -sd ' '
}

failed=0
expect() {
  local expected="$1" got
  shift
  got="$(offered "$@")"
  if [ "$got" != "$expected" ]; then
    echo "zelto-cli $*<Tab>: offered '$got', expected '$expected'"
    failed=1
  fi
}

# Commands, options before a command and after it, and the listed values.
expect "write" wr
expect "--lang" --la
expect "en ru" --lang ""
expect "0 1 2 dastra-2 velmor-7" --model ""
expect "dastra-2" --port /dev/ttyS0 --model 1 simulate --model d
expect "--scheme --sensor --sensor-break --sqrt" write --s
expect "0-20 0-5 4-20" write --output ""
# A value that starts with a minus is no option, and a number has nothing to offer.
expect "--linear-emf" write --range -50..600 --l
expect "" write --sensor ""
expect "" --timeout-scale 2 --com ""
# calib's operation comes once, before its options.
expect "clear clear-full read show write" --com 1 calib ""
expect "" calib show ""
expect "--load" calib show --l

# Files for a file option, ./NAME and paths with a slash for --port, the kept backups for restore.
touch k-type.json line
expect "k-type.json" diff --profile k-
expect "$scratch/k-type.json" memory --save "$scratch/k"
expect "./line" --port ./li
mkdir -p "$scratch/data/zelto/backups"
touch "$scratch/data/zelto/backups/20261207-141502-123-ttyUSB0-1.json"
XDG_DATA_HOME="$scratch/data" expect "20261207-141502-123-ttyUSB0-1" --port ./line restore ""

# Loaded by the command's name, as bash-completion does.
registered="$(bash -c 'source "$1"; complete -p zelto-cli' completion "$script")"
[ "$registered" = "complete -F _zelto_cli zelto-cli" ] || {
  echo "not registered for zelto-cli: $registered"
  failed=1
}

# The option names a help text lists in its first column ("--help, --version" lists two).
help_options() {
  sed -n 's/^  \(--[a-z0-9-]*\)\(, \(--[a-z0-9-]*\)\)\{0,1\}.*/\1 \3/p' | tr ' ' '\n' |
    sed '/^$/d' | sort | paste -sd ' '
}
commands="$("$tool" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\).*/\1/p' | sort |
  paste -sd ' ')"
[ "$commands" = "$(offered "")" ] || {
  echo "commands: --help lists '$commands', the completion offers '$(offered "")'"
  failed=1
}
[ "$("$tool" --help | help_options)" = "$(offered --)" ] || {
  echo "options before the command: --help and the completion differ"
  failed=1
}
for command in $commands; do
  listed="$("$tool" "$command" --help | help_options)"
  completed="$(offered "$command" -- | tr ' ' '\n' | sed '/^--help$/d' | paste -sd ' ')"
  if [ "$listed" != "$completed" ]; then
    echo "$command: --help lists '$listed', the completion offers '$completed'"
    failed=1
  fi
done
exit "$failed"
