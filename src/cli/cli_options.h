#pragma once

#include "link/interface_language.h"
#include "link/port_table.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelto::cli {

// The options that come before the command.
struct GlobalOptions {
  // The ports a device command runs on, each once, in command-line order: the paths of --port,
  // or the numbers of --com when no --port is given. A run on one port has exactly one.
  std::vector<std::string> portPaths;
  std::vector<int> comNumbers;  // numbers of the port table
  int model = 2;                // device position: 0, 1 or 2 (Velmor-7)
  bool modelGiven = false;      // --model was given, so a profile of another is refused
  int baud = 4800;
  double timeoutScale = 1.0;  // multiplies the three read time-outs
  bool trace = false;
  bool backup = true;   // --no-backup clears it: the writing commands then keep no backup
  bool json = false;    // --json: one JSON object per result instead of the memo lines
  bool verify = false;  // --verify: a write that ended well is read back and compared
  // --changed-only: a write sends only the words that change what the device holds
  bool changedOnly = false;
  std::optional<InterfaceLanguage> language;  // --lang; the locale's when not given
  // Where the system's serial ports are looked up (the system itself unless a test says
  // otherwise). A command on several ports looks once and hands every port that one list.
  PortScanner scanPorts = SystemSerialPorts;
};

// A command's options by name ("--save"), each with its value; a flag's value is empty.
using OptionValues = std::map<std::string, std::string, std::less<>>;

struct Invocation {
  GlobalOptions options;
  std::string command;
  OptionValues values;
  std::vector<std::string> operands;  // the words after the command that are no option
};

// --help or -h: the program's help, or with a command the command's.
struct HelpRequest {
  std::string command;  // empty for the program's
};

struct VersionRequest {};

struct BadUsage {
  std::string reason;  // one line, no trailing newline
  bool json = false;   // --json was given before the mistake
};

using ParseResult = std::variant<Invocation, HelpRequest, VersionRequest, BadUsage>;

// Told the language --lang asks for (nothing when it asks for none) before any reason is put
// into words, so that the reasons come in that language.
using LanguageChoice = std::function<void(std::optional<InterfaceLanguage>)>;

// The whole command line after the program's name. The options each command takes, and the word
// it takes after its name, are those its help names (command_help.h).
ParseResult ParseCommandLine(
    const std::vector<std::string>& arguments,
    const LanguageChoice& speak = [](std::optional<InterfaceLanguage>) {});

bool Has(const OptionValues& values, std::string_view name);

// "недопустимое значение '4801' для --baud": a value the option does not take, in the
// interface's language, and what it takes where `allowed` says so (a text marked "cli").
std::string InvalidValue(std::string_view option, std::string_view value,
                         const char* allowed = nullptr);

// Strict number parsing for command-line values: the whole text must be the number, with the
// decimal point whatever the locale. Nothing on failure.
std::optional<int> ParseInteger(std::string_view text);
std::optional<double> ParseReal(std::string_view text);

}  // namespace zelto::cli
