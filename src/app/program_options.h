#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zelto::app {

// What the program is started with, beyond Qt's own options.
struct ProgramOptions {
  std::optional<int> simulateModel;    // --simulate [MODEL]: the built-in simulated transmitter
  std::vector<std::string> portPaths;  // --port PATH, as often as given
};

struct ProgramOptionsError {
  std::string reason;
};

// arguments: what follows the program name.
std::variant<ProgramOptions, ProgramOptionsError> ParseProgramOptions(
    const std::vector<std::string>& arguments);

}  // namespace zelto::app
