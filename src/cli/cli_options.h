#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelto::cli {

// The options that come before the command.
struct GlobalOptions {
  std::optional<std::string> portPath;  // --port PATH; wins over --com
  std::optional<int> comNumber;         // --com N, a number of the port table
  int model = 2;                        // device position: 0, 1 or 2 (Velmor-7)
  bool modelGiven = false;              // --model was given, so a profile of another is refused
  int baud = 4800;
  double timeoutScale = 1.0;  // multiplies the three read time-outs
  bool trace = false;
  bool backup = true;  // --no-backup clears it: the writing commands then keep no backup
};

struct Invocation {
  GlobalOptions options;
  std::string command;
  std::vector<std::string> arguments;  // everything after the command, for the command to parse
};

enum class InfoRequest { kHelp, kVersion };

struct UsageError {
  std::string reason;  // one line, no trailing newline
};

using ParseResult = std::variant<Invocation, InfoRequest, UsageError>;

ParseResult ParseCommandLine(const std::vector<std::string>& arguments);

// Strict number parsing for command-line values: the whole text must be the number, with the
// decimal point whatever the locale. Nothing on failure.
std::optional<int> ParseInteger(std::string_view text);
std::optional<double> ParseReal(std::string_view text);

}  // namespace zelto::cli
