#include "cli/bash_completion.h"

#include "cli/command_help.h"
#include "link/device_model.h"

#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

namespace zelto::cli {
namespace {

// The pieces one after another: GCC 12 warns of chains of + on strings in a Release build.
std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces)
    text.append(piece);
  return text;
}

// A line of a shell case: the pattern, then what it runs.
std::string CaseLine(std::string_view pattern, std::string_view action) {
  return Joined({"    ", pattern, ") ", action, " ;;\n"});
}

// What the shell offers for an option's value or a command's operand, by the word the help
// names it with.
std::string ValueCompletion(std::string_view value) {
  if (value == "FILE")
    return "_zelto_cli_files";
  if (value == "PATH")
    return "_zelto_cli_ports";
  if (value == "ID")
    return "_zelto_cli_backups";
  if (value == "M") {
    std::string models;
    for (int model = 0; model < kModelCount; ++model)
      models.append(std::to_string(model)).append(" ");
    for (std::string_view name : kModelNames) {
      if (!name.empty())
        models.append(name).append(" ");
    }
    models.pop_back();
    return Joined({"_zelto_cli_words '", models, "'"});
  }
  if (value.find('|') != std::string_view::npos) {
    std::string words(value);
    for (char& c : words) {
      if (c == '|')
        c = ' ';
    }
    return Joined({"_zelto_cli_words '", words, "'"});
  }
  return {};  // a number or a range: nothing to offer
}

// The option names of one help entry: "--help, --version" names two.
std::vector<std::string_view> NamesOf(const OptionHelp& option) {
  std::vector<std::string_view> names;
  std::string_view rest = option.name;
  for (std::size_t comma = rest.find(", "); comma != std::string_view::npos;
       comma = rest.find(", ")) {
    names.push_back(rest.substr(0, comma));
    rest.remove_prefix(comma + 2);
  }
  names.push_back(rest);
  return names;
}

bool IsOperation(const OptionHelp& option) {
  return !option.name.starts_with('-');
}

struct Tables {
  std::string options;   // case lines: a command, then the options it takes
  std::string valued;    // case patterns: "command --option" for each option with a value
  std::string values;    // case lines: how to complete each of those values
  std::string operands;  // case lines: how to complete a command's first operand
};

void AddOptions(Tables& tables, std::string_view command, std::span<const OptionHelp> options) {
  std::string names;
  for (const OptionHelp& option : options) {
    if (IsOperation(option))
      continue;
    for (std::string_view name : NamesOf(option)) {
      names.append(name).append(" ");
      if (option.value.empty())
        continue;
      const std::string pattern = Joined({"'", command, " ", name, "'"});
      tables.valued += CaseLine(pattern, "return 0");
      if (const std::string completion = ValueCompletion(option.value); !completion.empty())
        tables.values += CaseLine(pattern, completion);
    }
  }
  if (!command.empty())
    names += "--help ";
  names.pop_back();
  tables.options += CaseLine(Joined({"'", command, "'"}), Joined({"echo '", names, "'"}));
}

void AddOperands(Tables& tables, const CommandHelp& command) {
  std::string operations;
  for (const OptionHelp& option : command.options) {
    if (IsOperation(option))
      operations.append(option.name).append(" ");
  }
  std::string completion;
  if (!operations.empty()) {
    operations.pop_back();
    completion = Joined({"_zelto_cli_words '", operations, "'"});
  } else if (!command.operand.empty()) {
    completion = ValueCompletion(command.operand);
  }
  if (!completion.empty())
    tables.operands += CaseLine(command.name, completion);
}

// The shell functions that do not depend on the help: what each kind of value offers.
constexpr std::string_view kHelpers =
    R"sh(# bash completion of zelto-cli, made from the tool's own help data when it is built.

_zelto_cli_words() {
  mapfile -t COMPREPLY < <(compgen -W "$1" -- "$cur")
}

_zelto_cli_files() {
  compopt -o filenames 2>/dev/null
  mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}

# The serial devices there are; a name without a slash is one under /dev, as --port reads it.
# Anything else with a slash (a pseudo-terminal, ./NAME) is completed as a file.
_zelto_cli_ports() {
  local devices=() device
  for device in /dev/ttyS* /dev/ttyUSB* /dev/ttyACM* /dev/ttyAMA* /dev/rfcomm* \
    /dev/serial/by-id/*; do
    [[ -e $device ]] || continue
    if [[ -z $cur || $cur == /* ]]; then
      devices+=("$device")
    elif [[ $cur != */* && $device != /dev/*/* ]]; then
      devices+=("${device#/dev/}")
    fi
  done
  _zelto_cli_words "${devices[*]}"
  if [[ ${#COMPREPLY[@]} -eq 0 && $cur == */* ]]; then
    _zelto_cli_files
  fi
}

# The ids of the backups kept, which are their files' names.
_zelto_cli_backups() {
  local folder=${XDG_DATA_HOME:-$HOME/.local/share}/zelto/backups ids=() file
  for file in "$folder"/*.json; do
    [[ -e $file ]] || continue
    file=${file##*/}
    ids+=("${file%.json}")
  done
  _zelto_cli_words "${ids[*]}"
}
)sh";

// The completion itself: the command is the first word that is neither an option nor an
// option's value, its operand the next such word.
constexpr std::string_view kCompletion = R"sh(
_zelto_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} command='' operand='' valued='' i word
  COMPREPLY=()
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ $word == -* ]]; then
      if _zelto_cli_takes_value "$command" "$word"; then
        ((i + 1 == COMP_CWORD)) && valued=$word
        ((i += 1))
      fi
    elif [[ -z $command ]]; then
      command=$word
    elif [[ -z $operand ]]; then
      operand=$word
    fi
  done
  if [[ -n $valued ]]; then
    _zelto_cli_value "$command" "$valued"
  elif [[ $cur == -* ]]; then
    _zelto_cli_words "$(_zelto_cli_options "$command")"
  elif [[ -z $command ]]; then
    _zelto_cli_words "$(_zelto_cli_options commands)"
  elif [[ -z $operand ]]; then
    _zelto_cli_operand "$command"
  fi
  return 0
}
complete -F _zelto_cli zelto-cli
)sh";

}  // namespace

std::string BashCompletionScript() {
  Tables tables;
  AddOptions(tables, "", GlobalOptionHelps());
  std::string commands;
  for (const CommandHelp& command : CommandHelps()) {
    commands.append(command.name).append(" ");
    AddOptions(tables, command.name, command.options);
    AddOperands(tables, command);
  }
  commands.pop_back();
  tables.options += CaseLine("commands", Joined({"echo '", commands, "'"}));

  return Joined(
      {kHelpers,
       "\n# The options before the command (\"\"), a command's options, and the commands.\n"
       "_zelto_cli_options() {\n  case $1 in\n",
       tables.options, "  esac\n}\n",
       "\n# Whether option $2 of command $1 (\"\" before the command) takes a value.\n"
       "_zelto_cli_takes_value() {\n  case \"$1 $2\" in\n",
       tables.valued, "  esac\n  return 1\n}\n", "\n_zelto_cli_value() {\n  case \"$1 $2\" in\n",
       tables.values, "  esac\n}\n",
       "\n# The word a command takes after its name.\n"
       "_zelto_cli_operand() {\n  case $1 in\n",
       tables.operands, "  esac\n}\n", kCompletion});
}

}  // namespace zelto::cli
