#include "cli/cli_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace zelto::cli {
namespace {

// from_chars never looks at the locale, so a point is a point for every user.
template <class Number>
std::optional<Number> ParseWhole(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end)
    return std::nullopt;
  return value;
}

constexpr std::array kBaudRates{2400, 4800, 9600, 19200};

// Beyond these the read time-outs stop meaning anything: a hundredth already leaves the
// 200 ms gap at 2 ms, and a hundredfold lets a silent device hold the tool for 25 minutes.
constexpr double kLeastTimeoutScale = 0.01;
constexpr double kGreatestTimeoutScale = 100.0;

std::optional<int> ParseModel(std::string_view text) {
  if (text == "dastra-2")
    return 1;
  if (text == "velmor-7")
    return 2;
  const auto position = ParseInteger(text);
  if (position && *position >= 0 && *position <= 2)
    return position;
  return std::nullopt;
}

// Applies one option that takes a value; returns the reason when the value is bad.
std::optional<std::string> ApplyValueOption(std::string_view name, std::string_view value,
                                            GlobalOptions& options) {
  const auto bad = [&] {
    return "invalid value '" + std::string(value) + "' for " + std::string(name);
  };
  if (name == "--port") {
    if (value.empty())
      return bad();
    options.portPath = std::string(value);
  } else if (name == "--com") {
    const auto number = ParseInteger(value);
    if (!number || *number < 1 || *number > 255)
      return bad();
    options.comNumber = number;
  } else if (name == "--model") {
    const auto model = ParseModel(value);
    if (!model)
      return bad();
    options.model = *model;
    options.modelGiven = true;
  } else if (name == "--baud") {
    const auto baud = ParseInteger(value);
    if (!baud || std::find(kBaudRates.begin(), kBaudRates.end(), *baud) == kBaudRates.end()) {
      return bad();
    }
    options.baud = *baud;
  } else if (name == "--timeout-scale") {
    const auto scale = ParseReal(value);
    if (!scale || !(*scale >= kLeastTimeoutScale && *scale <= kGreatestTimeoutScale))
      return bad() + " (0.01..100)";
    options.timeoutScale = *scale;
  }
  return std::nullopt;
}

bool TakesValue(std::string_view name) {
  return name == "--port" || name == "--com" || name == "--model" || name == "--baud" ||
         name == "--timeout-scale";
}

}  // namespace

std::optional<int> ParseInteger(std::string_view text) {
  return ParseWhole<int>(text);
}

std::optional<double> ParseReal(std::string_view text) {
  return ParseWhole<double>(text);
}

ParseResult ParseCommandLine(const std::vector<std::string>& arguments) {
  GlobalOptions options;
  std::size_t i = 0;
  for (; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (argument == "--help" || argument == "-h")
      return InfoRequest::kHelp;
    if (argument == "--version")
      return InfoRequest::kVersion;
    if (argument == "--trace") {
      options.trace = true;
      continue;
    }
    if (argument == "--no-backup") {
      options.backup = false;
      continue;
    }
    if (!argument.starts_with("-"))
      break;

    std::string_view name = argument;
    std::optional<std::string_view> value;
    if (const auto equals = argument.find('='); equals != std::string_view::npos) {
      name = argument.substr(0, equals);
      value = argument.substr(equals + 1);
    }
    if (!TakesValue(name))
      return UsageError{"unknown option '" + std::string(name) + "'"};
    if (!value) {
      if (i + 1 == arguments.size())
        return UsageError{"option " + std::string(name) + " needs a value"};
      value = arguments[++i];
    }
    if (auto reason = ApplyValueOption(name, *value, options))
      return UsageError{std::move(*reason)};
  }
  if (i == arguments.size())
    return UsageError{"no command given (see --help)"};

  Invocation invocation{options, arguments[i], {}};
  invocation.arguments.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                              arguments.end());
  return invocation;
}

}  // namespace zelto::cli
