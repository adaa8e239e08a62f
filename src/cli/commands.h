#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"

#include <span>
#include <string_view>

namespace zelto::cli {

// Runs one command, printing through the output; returns the process exit code (exit_codes.h).
using CommandRunner = int (*)(const Invocation& invocation, Output& output);

// A command by its name; its help is FindCommandHelp's (command_help.h).
struct Command {
  std::string_view name;
  CommandRunner run;
};

// Every command of the tool's interface, in the order the help lists them.
std::span<const Command> Commands();

}  // namespace zelto::cli
