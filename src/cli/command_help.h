#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zelto::cli {

// The help texts of the tool, as data: what --help prints is made from these and nothing else,
// so that another argument parser can take them over as they are.

// An option, or an operation word such as calib's "show".
struct OptionHelp {
  std::string_view name;     // "--save"; an operation has no leading dashes
  std::string_view value;    // what follows the name ("FILE"); empty for a flag and an operation
  std::string_view meaning;  // one line
};

struct ExitHelp {
  int code;
  std::string_view meaning;
};

struct CommandHelp {
  std::string_view name;
  std::string_view synopsis;  // the arguments after the name
  std::string_view summary;   // one line for the list of commands
  std::span<const OptionHelp> options;
  bool needsDevice;         // --port or --com before the command; adds the device's exit codes
  std::string_view prints;  // what goes to standard output and standard error
  std::span<const ExitHelp> exits;  // the codes that matter for the command itself
  std::string_view operand = {};    // the word it takes after its name ("ID"); empty for none
  std::string_view json = {};       // what --json prints instead; empty for a command without
};

// The options before the command.
std::span<const OptionHelp> GlobalOptionHelps();
// Every command, in the order the help lists them; nothing for a name that is none.
std::span<const CommandHelp> CommandHelps();
const CommandHelp* FindCommandHelp(std::string_view command);

// What "zelto-cli --help" and "zelto-cli COMMAND --help" print.
std::string ProgramHelpText();
std::string CommandHelpText(const CommandHelp& help);

}  // namespace zelto::cli
