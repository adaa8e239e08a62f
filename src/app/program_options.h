#pragma once

#include "link/interface_language.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zelto::app {

// What the program is started with, beyond Qt's own options.
struct ProgramOptions {
  std::optional<int> simulateModel;    // --simulate [MODEL]: the built-in simulated transmitter
  std::vector<std::string> portPaths;  // --port PATH, as often as given
  std::optional<InterfaceLanguage> language;  // --lang ru|en; the locale's otherwise
};

struct ProgramOptionsError {
  std::string reason;
};

// arguments: what follows the program name, Qt's own options among them, which are passed
// over; parsed before Qt starts, so that a mistake is answered without a display.
std::variant<ProgramOptions, ProgramOptionsError> ParseProgramOptions(
    const std::vector<std::string>& arguments);

// What a user asks of the program without starting it.
enum class ProgramInformation { kUsage, kVersion };

// --help (-h) or --version among the arguments, whichever comes first. Looked for before the
// window system is reached, so that it answers without a display; arguments it does not know
// are left for Qt, which takes its own (-platform, -style, ...) before the options are parsed.
std::optional<ProgramInformation> InformationAsked(const std::vector<std::string>& arguments);

// The texts of --help and --version.
std::string ProgramUsage();
std::string ProgramVersionLine();

}  // namespace zelto::app
