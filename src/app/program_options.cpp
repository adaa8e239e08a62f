#include "app/program_options.h"

#include "link/device_model.h"

namespace zelto::app {

std::variant<ProgramOptions, ProgramOptionsError> ParseProgramOptions(
    const std::vector<std::string>& arguments) {
  ProgramOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--simulate") {
      options.simulateModel = kVelmorModel;
      // The model is optional: take the next argument only when it names one.
      if (i + 1 < arguments.size()) {
        if (const auto model = ModelFromText(arguments[i + 1])) {
          options.simulateModel = model;
          ++i;
        }
      }
    } else if (argument.starts_with("--simulate=")) {
      const auto model = ModelFromText(argument.substr(std::string_view("--simulate=").size()));
      if (!model)
        return ProgramOptionsError{"invalid model in '" + argument + "'"};
      options.simulateModel = model;
    } else if (argument == "--port") {
      if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
        return ProgramOptionsError{"option --port needs a device path"};
      }
      options.portPaths.push_back(arguments[++i]);
    } else if (argument.starts_with("--port=") && argument.size() > 7) {
      options.portPaths.push_back(argument.substr(7));
    } else {
      return ProgramOptionsError{"unknown argument '" + argument + "'"};
    }
  }
  return options;
}

}  // namespace zelto::app
