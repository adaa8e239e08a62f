#include "cli/cli_options.h"
#include "cli/command_help.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/output.h"
#include "cli/qt_core.h"
#include "cli/report_command.h"
#include "cli/stop_signals.h"
#include "link/interface_language.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <vector>

#ifndef ZELTO_PROGRAM_VERSION
#error "ZELTO_PROGRAM_VERSION must be defined by the build"
#endif

namespace {

using namespace zelto::cli;
using zelto::InstallTranslations;
using zelto::InterfaceLanguage;
using zelto::SystemLanguage;
using zelto::ToolText;

int SystemFailure(Output& output, const char* reason) {
  output.Problem(reason);
  return kExitSystemError;
}

// The command's own exit code, unless what it printed did not reach standard output (a full
// disk, a closed descriptor): a script reading it must not take half a dump for the whole. A
// command that stopped for that reason has said so already, and its code stands.
int CheckedOutput(int exitCode, const Console& console) {
  if (console.OutFailureShown())
    return exitCode;
  if (std::fflush(stdout) != 0) {
    const int error = errno;
    std::fprintf(stderr, "zelto-cli: cannot write standard output: %s\n", std::strerror(error));
    return kExitSystemError;
  }
  if (std::ferror(stdout)) {
    std::fputs("zelto-cli: cannot write standard output\n", stderr);
    return kExitSystemError;
  }
  return exitCode;
}

// Every command, with the system's refusals that no operation expects said in words rather
// than ending in an abort.
int RunCommand(const Command& command, const Invocation& invocation, Output& output) {
  try {
    return command.run(invocation, output);
  } catch (const std::bad_alloc&) {
    return SystemFailure(output, "out of memory");
  } catch (const std::exception& error) {
    return SystemFailure(output, error.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Files and printed numbers use the decimal point whatever the user's locale says.
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  RemoveTemporaryFilesOnStop();

  Console console;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  // Russian is the source of every text the tool says; English takes the translations, and so
  // an application object to hold them. The parse tells the language before it says anything.
  std::optional<QtCore> qt;
  bool english = false;
  const auto speak = [&qt, &english](std::optional<InterfaceLanguage> asked) {
    if (asked.value_or(SystemLanguage()) != InterfaceLanguage::kEnglish || qt)
      return;
    english = true;
    qt.emplace();
    InstallTranslations(InterfaceLanguage::kEnglish);
  };
  const ParseResult parsed = ParseCommandLine(arguments, speak);

  if (const auto* error = std::get_if<BadUsage>(&parsed)) {
    Output output(console, error->json);
    return CheckedOutput(output.Finish(UsageError(output, error->reason)), console);
  }
  if (const auto* help = std::get_if<HelpRequest>(&parsed)) {
    const CommandHelp* command = FindCommandHelp(help->command);
    std::fputs((command ? CommandHelpText(*command) : ProgramHelpText()).c_str(), stdout);
    return CheckedOutput(kExitSuccess, console);
  }
  if (std::holds_alternative<VersionRequest>(parsed)) {
    std::printf("zelto-cli %s\n", ZELTO_PROGRAM_VERSION);
    return CheckedOutput(kExitSuccess, console);
  }

  const auto& invocation = std::get<Invocation>(parsed);
  // A report's pages need Qt Gui's application object, and there is one application object at a
  // time: the core's, made for the translations, gives way to it.
  if (DrawsReport(invocation) && !QtCore::HasGui()) {
    qt.reset();
    qt.emplace(QtPart::kGui);
    if (english)
      InstallTranslations(InterfaceLanguage::kEnglish);
  }
  Output output(console, invocation.options.json);
  const auto commands = Commands();
  const auto command = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command& c) { return c.name == invocation.command; });
  if (command == commands.end()) {
    return CheckedOutput(
        output.Finish(
            UsageError(output, ToolText(QT_TRANSLATE_NOOP("cli", "команды '%1' нет в этой сборке"),
                                        {invocation.command}))),
        console);
  }
  return CheckedOutput(output.Finish(RunCommand(*command, invocation, output)), console);
}
