#include "cli/cli_options.h"
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

void PrintHelp() {
  std::printf(
      "Usage: zelto-cli [OPTIONS] COMMAND [ARGS]\n"
      "\n"
      "Options:\n"
      "  --port PATH          serial device path (a pseudo-terminal included)\n"
      "  --com N              port number from 'ports'; --port wins\n"
      "  --model M            0, 1 or 2, or dastra-2 (1), velmor-7 (2); default 2\n"
      "  --baud N             2400, 4800, 9600 or 19200; default 4800\n"
      "  --timeout-scale X    multiplies the read time-outs, 0.01..100; default 1\n"
      "  --trace              every frame to standard error\n"
      "  --help, --version\n"
      "\n"
      "Commands:\n");
  for (const Command& command : Commands()) {
    std::printf("  %.*s %.*s\n      %.*s\n", static_cast<int>(command.name.size()),
                command.name.data(), static_cast<int>(command.synopsis.size()),
                command.synopsis.data(), static_cast<int>(command.summary.size()),
                command.summary.data());
  }
  std::printf(
      "\n"
      "Exit codes: 0 success, 1 system error, 2 usage or refused value, 3 no answer,\n"
      "4 identification failed, 5 file error, 6 port could not be opened or went away.\n");
}

int UsageFailure(const std::string& reason) {
  std::fprintf(stderr, "zelto-cli: %s\n", reason.c_str());
  return kExitUsage;
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
      PrintHelp();
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
  if (command->run == nullptr) {
    return UsageFailure("command '" + invocation.command + "' is not available in this build");
  }
  return RunCommand(*command, invocation);
}
