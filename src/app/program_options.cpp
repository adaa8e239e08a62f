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
    } else if (argument == "--lang" || argument.starts_with("--lang=")) {
      const bool joined = argument.size() > 6;
      if (!joined && i + 1 == arguments.size())
        return ProgramOptionsError{"option --lang needs ru or en"};
      const std::string name = joined ? argument.substr(7) : arguments[++i];
      options.language = LanguageNamed(name);
      if (!options.language)
        return ProgramOptionsError{"invalid language '" + name + "' (ru or en)"};
    } else {
      return ProgramOptionsError{"unknown argument '" + argument + "'"};
    }
  }
  return options;
}

std::optional<ProgramInformation> InformationAsked(const std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--port") {
      ++i;  // a path, whatever it looks like
    } else if (argument == "--help" || argument == "-h") {
      return ProgramInformation::kUsage;
    } else if (argument == "--version") {
      return ProgramInformation::kVersion;
    }
  }
  return std::nullopt;
}

std::string ProgramUsage() {
  return "Usage: zelto [OPTION]...\n"
         "The configurator of two-wire temperature transmitters, in a window.\n"
         "\n"
         "  --simulate [MODEL]  also list a built-in simulated transmitter and select its\n"
         "                      model in the device list: 0, 1 (dastra-2) or 2 (velmor-7,\n"
         "                      the default)\n"
         "  --port PATH         also list the serial device PATH; may be given more than\n"
         "                      once. A name without a slash is a device under /dev\n"
         "  --lang ru|en        the interface's language; by default English where the\n"
         "                      locale's language is neither Russian nor C/POSIX\n"
         "  -h, --help          show this help and exit\n"
         "  --version           show the version and exit\n"
         "\n"
         "Qt's own options (-platform NAME, -style NAME, ...) are taken as well.\n"
         "Without --port the serial ports of the machine are listed.\n";
}

std::string ProgramVersionLine() {
  return std::string("zelto ") + ZELTO_PROGRAM_VERSION + "\n";
}

}  // namespace zelto::app
