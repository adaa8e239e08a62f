#include "cli/check_options.h"

#include "check/point_verdict.h"
#include "check/test_points.h"
#include "cli/device_session.h"
#include "config/nominal_currents.h"
#include "instruments/manual_instruments.h"
#include "instruments/scpi_meter.h"

#include <algorithm>
#include <cmath>

namespace zelto::cli {
namespace {

// An hour: longer than any input settles, short enough to be a mistake beyond.
constexpr double kLongestSettleSeconds = 3600.0;
constexpr double kMillisecondsPerSecond = 1000.0;

std::string Invalid(std::string_view name, std::string_view value, std::string_view allowed) {
  return "invalid value '" + std::string(value) + "' for " + std::string(name) + " (" +
         std::string(allowed) + ")";
}

std::optional<std::string> Value(const OptionValues& values, std::string_view name) {
  const auto found = values.find(name);
  if (found == values.end())
    return std::nullopt;
  return found->second;
}

// Numbers with the decimal point, separated by commas.
std::optional<std::vector<double>> ParseNumbers(std::string_view text) {
  std::vector<double> numbers;
  for (;;) {
    const auto comma = text.find(',');
    const auto number = ParseReal(text.substr(0, comma));
    if (!number || !std::isfinite(*number))
      return std::nullopt;
    numbers.push_back(*number);
    if (comma == std::string_view::npos)
      return numbers;
    text.remove_prefix(comma + 1);
  }
}

std::variant<instruments::InstrumentSpec, std::string> ParseSpec(const OptionValues& values,
                                                                 std::string_view name) {
  const auto text = Value(values, name).value_or(std::string(instruments::kManualName));
  auto spec = instruments::ParseInstrumentSpec(text);
  if (std::holds_alternative<instruments::SettingRefusal>(spec))
    return Invalid(name, text, "manual, serial:PATH[:BAUD] or tcp:HOST:PORT");
  return std::get<instruments::InstrumentSpec>(spec);
}

bool IsManual(const instruments::InstrumentSpec& spec) {
  return spec.connection == instruments::Connection::kManual;
}

// The meter and its query, the calibrator and its command: each option only where its
// instrument takes it.
std::optional<std::string> ParseInstruments(const OptionValues& values, CheckOptions& options) {
  auto meter = ParseSpec(values, "--meter");
  if (auto* reason = std::get_if<std::string>(&meter))
    return *reason;
  options.meter = std::get<instruments::InstrumentSpec>(meter);
  options.meterQuery = std::string(instruments::kDefaultMeterQuery);
  if (const auto query = Value(values, "--meter-query")) {
    if (IsManual(options.meter))
      return std::string("--meter-query is for a meter over serial or TCP (--meter)");
    if (instruments::RefuseCommandLine(*query))
      return Invalid("--meter-query", *query, "one line without control characters");
    options.meterQuery = *query;
  }

  auto source = ParseSpec(values, "--source");
  if (auto* reason = std::get_if<std::string>(&source))
    return *reason;
  options.source = std::get<instruments::InstrumentSpec>(source);
  const auto command = Value(values, "--source-command");
  if (IsManual(options.source)) {
    if (command)
      return std::string("--source-command is for a calibrator over serial or TCP (--source)");
    return std::nullopt;
  }
  if (!command)
    return "--source " + options.source.text + " needs --source-command TEMPLATE";
  auto parsed = instruments::CommandTemplate::Parse(*command);
  if (std::holds_alternative<instruments::SettingRefusal>(parsed)) {
    return Invalid("--source-command", *command,
                   "one line; the fields {c}, {ohm}, {mv}, {v}, {ma} and {a}");
  }
  options.sourceCommand = std::get<instruments::CommandTemplate>(parsed);
  return std::nullopt;
}

// The manual meter's readings, as many as the passes take.
std::optional<std::string> ParseReadings(const OptionValues& values, CheckOptions& options) {
  const auto text = Value(values, "--readings");
  if (!text)
    return std::nullopt;
  if (!IsManual(options.meter))
    return std::string("--readings is for a manual meter, not --meter ") + options.meter.text;
  options.readings = ParseNumbers(*text);
  if (!options.readings)
    return Invalid("--readings", *text, "currents in mA with the decimal point, comma-separated");
  const std::size_t wanted = options.points.size() * (options.adjust ? 2 : 1);
  if (options.readings->size() != wanted) {
    return "--readings needs " + std::to_string(wanted) + " currents, one a point" +
           (options.adjust ? " as found and again as left" : "") + ", not " +
           std::to_string(options.readings->size());
  }
  return std::nullopt;
}

std::optional<std::string> ParseNumbersOfTheCheck(const OptionValues& values,
                                                  CheckOptions& options) {
  options.points = check::DefaultPoints();
  if (const auto text = Value(values, "--points")) {
    auto points = check::ParsePoints(*text);
    if (std::holds_alternative<check::Refusal>(points)) {
      return Invalid("--points", *text,
                     "2 to 11 percentages of the range, each 0..100, strictly ascending");
    }
    options.points = std::get<std::vector<double>>(points);
  }
  if (const auto text = Value(values, "--tolerance")) {
    const auto tolerance = ParseReal(*text);
    if (!tolerance || !check::IsValidTolerance(*tolerance))
      return Invalid("--tolerance", *text, "% of the output span, above 0 and at most 100");
    options.tolerance = *tolerance;
  }
  if (const auto text = Value(values, "--settle")) {
    const auto seconds = ParseReal(*text);
    if (!seconds || !(*seconds >= 0.0 && *seconds <= kLongestSettleSeconds))
      return Invalid("--settle", *text, "seconds, 0..3600");
    options.settle = std::chrono::milliseconds(
        static_cast<std::int64_t>(std::llround(*seconds * kMillisecondsPerSecond)));
  }
  return std::nullopt;
}

}  // namespace

std::variant<CheckOptions, std::string> ParseCheckOptions(const Invocation& invocation) {
  if (const auto reason = MissingDevice(invocation.options))
    return *reason;
  const auto& global = invocation.options;
  const std::size_t ports = std::max(global.portPaths.size(), global.comNumbers.size());
  if (ports > 1)
    return "check takes one port, not " + std::to_string(ports);
  const OptionValues& values = invocation.values;
  CheckOptions options;
  options.adjust = Has(values, "--adjust");
  if (options.adjust && !config::IsTableLoadingDevice(global.model))
    return std::string(
        "--adjust is for the table-loading models; Velmor-7 has no range correction");
  if (auto reason = ParseNumbersOfTheCheck(values, options))
    return *reason;
  if (auto reason = ParseInstruments(values, options))
    return *reason;
  if (auto reason = ParseReadings(values, options))
    return *reason;
  options.tag = Value(values, "--tag").value_or("");
  options.engineer = Value(values, "--engineer").value_or("");
  options.instruments = Value(values, "--instruments").value_or("");
  options.report = Value(values, "--report");
  return options;
}

}  // namespace zelto::cli
