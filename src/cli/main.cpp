#include "cli/cli_options.h"
#include "cli/command_help.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <vector>

#ifndef ZELTO_PROGRAM_VERSION
#error "ZELTO_PROGRAM_VERSION must be defined by the build"
#endif

namespace {

using namespace zelto::cli;

int UsageFailure(const std::string& reason) {
  std::fprintf(stderr, "zelto-cli: %s\n", reason.c_str());
  return kExitUsage;
}

// "--help" or "-h" anywhere after the command asks for its description instead of running it.
bool AsksForHelp(const std::vector<std::string>& arguments) {
  return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
    return argument == "--help" || argument == "-h";
  });
}

int SystemFailure(const char* reason) {
  std::fprintf(stderr, "zelto-cli: %s\n", reason);
  return kExitSystemError;
}

// The command's own exit code, unless what it printed did not reach standard output (a full
// disk, a closed descriptor): a script reading it must not take half a dump for the whole.
int CheckedOutput(int exitCode) {
  if (std::fflush(stdout) != 0) {
    const int error = errno;
    std::fprintf(stderr, "zelto-cli: cannot write standard output: %s\n", std::strerror(error));
    return kExitSystemError;
  }
  if (std::ferror(stdout))
    return SystemFailure("cannot write standard output");
  return exitCode;
}

// Every command, with the system's refusals that no operation expects said in words rather
// than ending in an abort.
int RunCommand(const Command& command, const Invocation& invocation) {
  try {
    return CheckedOutput(command.run(invocation));
  } catch (const std::bad_alloc&) {
    return SystemFailure("out of memory");
  } catch (const std::exception& error) {
    return SystemFailure(error.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Files and printed numbers use the decimal point whatever the user's locale says.
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");

  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const ParseResult parsed = ParseCommandLine(arguments);

  if (const auto* error = std::get_if<UsageError>(&parsed))
    return UsageFailure(error->reason);
  if (const auto* info = std::get_if<InfoRequest>(&parsed)) {
    if (*info == InfoRequest::kHelp) {
      std::fputs(ProgramHelpText().c_str(), stdout);
    } else {
      std::printf("zelto-cli %s\n", ZELTO_PROGRAM_VERSION);
    }
    return CheckedOutput(kExitSuccess);
  }

  const auto& invocation = std::get<Invocation>(parsed);
  const auto commands = Commands();
  const auto command = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command& c) { return c.name == invocation.command; });
  if (command == commands.end())
    return UsageFailure("unknown command '" + invocation.command + "'");
  if (AsksForHelp(invocation.arguments)) {
    if (const CommandHelp* help = FindCommandHelp(command->name))
      std::fputs(CommandHelpText(*help).c_str(), stdout);
    return CheckedOutput(kExitSuccess);
  }
  if (command->run == nullptr) {
    return UsageFailure("command '" + invocation.command + "' is not available in this build");
  }
  return RunCommand(*command, invocation);
}
