#include "app/program_options.h"

#include "link/device_model.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zelto::app {
namespace {

// Qt's own options, which it takes out of the arguments once it starts: with one dash or two,
// those that take a value (the next argument, or joined by '=') and those that take none.
constexpr std::array<std::string_view, 16> kQtOptionsWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "icon",   "name",
    "visual"};
constexpr std::array<std::string_view, 7> kQtSwitches{
    "reverse", "widgetcount", "testability", "nograb", "dograb", "sync", "qmljsdebugger"};

template <std::size_t N>
bool Names(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// How many arguments from position i on a Qt option takes; 0 when it is none of Qt's.
std::size_t QtOptionLength(const std::vector<std::string>& arguments, std::size_t i) {
  std::string_view option = arguments[i];
  if (!option.starts_with('-'))
    return 0;
  option.remove_prefix(option.starts_with("--") ? 2 : 1);
  const auto equals = option.find('=');
  const std::string_view name = option.substr(0, equals);
  if (Names(kQtSwitches, name))
    return 1;
  if (!Names(kQtOptionsWithValue, name))
    return 0;
  return equals == std::string_view::npos && i + 1 < arguments.size() ? 2 : 1;
}

ProgramOptionsError InvalidModel(std::string_view text) {
  return {"invalid model '" + std::string(text) +
          "' for --simulate (0, 1 or dastra-2, 2 or velmor-7)"};
}

}  // namespace

std::variant<ProgramOptions, ProgramOptionsError> ParseProgramOptions(
    const std::vector<std::string>& arguments) {
  ProgramOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (const std::size_t length = QtOptionLength(arguments, i)) {
      i += length - 1;
    } else if (argument == "--simulate") {
      options.simulateModel = kVelmorModel;
      // The model is optional; the program takes no other plain argument, so one that follows
      // is meant as the model.
      if (i + 1 < arguments.size() && !arguments[i + 1].starts_with('-')) {
        options.simulateModel = ModelFromText(arguments[++i]);
        if (!options.simulateModel)
          return InvalidModel(arguments[i]);
      }
    } else if (argument.starts_with("--simulate=")) {
      const std::string text = argument.substr(std::string_view("--simulate=").size());
      options.simulateModel = ModelFromText(text);
      if (!options.simulateModel)
        return InvalidModel(text);
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
