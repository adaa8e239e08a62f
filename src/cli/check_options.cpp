#include "cli/check_options.h"

#include "check/point_verdict.h"
#include "check/test_points.h"
#include "cli/device_session.h"
#include "config/nominal_currents.h"
#include "instruments/manual_instruments.h"
#include "instruments/scpi_meter.h"
#include "link/status_translation.h"

#include <algorithm>
#include <cmath>

namespace zelto::cli {
namespace {

// An hour: longer than any input settles, short enough to be a mistake beyond.
constexpr double kLongestSettleSeconds = 3600.0;
constexpr double kMillisecondsPerSecond = 1000.0;

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

std::variant<instruments::InstrumentSetting, std::string> ParseSetting(const OptionValues& values,
                                                                       std::string_view name) {
  const auto text = Value(values, name).value_or(std::string(instruments::kManualName));
  auto setting = instruments::ParseInstrumentSetting(text);
  if (std::holds_alternative<instruments::SettingRefusal>(setting))
    return InvalidValue(
        name, text, QT_TRANSLATE_NOOP("cli", "manual, serial:ПУТЬ[:СКОРОСТЬ] или tcp:УЗЕЛ:ПОРТ"));
  return std::get<instruments::InstrumentSetting>(setting);
}

bool IsManual(const instruments::InstrumentSetting& setting) {
  return setting.connection == instruments::Connection::kManual;
}

// The meter and its query, the calibrator and its command: each option only where its
// instrument takes it.
std::optional<std::string> ParseInstruments(const OptionValues& values, CheckOptions& options) {
  auto meter = ParseSetting(values, "--meter");
  if (auto* reason = std::get_if<std::string>(&meter))
    return *reason;
  options.meter = std::get<instruments::InstrumentSetting>(meter);
  options.meterQuery = std::string(instruments::kDefaultMeterQuery);
  if (const auto query = Value(values, "--meter-query")) {
    if (IsManual(options.meter))
      return ToolText(QT_TRANSLATE_NOOP(
          "cli",
          "--meter-query только для измерителя тока по последовательному порту или TCP "
          "(--meter)"));
    if (instruments::RefuseCommandLine(*query)) {
      return InvalidValue("--meter-query", *query,
                          QT_TRANSLATE_NOOP("cli", "одна строка без управляющих символов"));
    }
    options.meterQuery = *query;
  }

  auto source = ParseSetting(values, "--source");
  if (auto* reason = std::get_if<std::string>(&source))
    return *reason;
  options.source = std::get<instruments::InstrumentSetting>(source);
  const auto command = Value(values, "--source-command");
  if (IsManual(options.source)) {
    if (command)
      return ToolText(QT_TRANSLATE_NOOP(
          "cli",
          "--source-command только для калибратора по последовательному порту или TCP "
          "(--source)"));
    return std::nullopt;
  }
  if (!command)
    return ToolText(QT_TRANSLATE_NOOP("cli", "--source %1 нужен --source-command ШАБЛОН"),
                    {options.source.text});
  auto parsed = instruments::CommandTemplate::Parse(*command);
  if (std::holds_alternative<instruments::SettingRefusal>(parsed)) {
    return InvalidValue(
        "--source-command", *command,
        QT_TRANSLATE_NOOP("cli", "одна строка; поля {c}, {ohm}, {mv}, {v}, {ma} и {a}"));
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
    return ToolText(QT_TRANSLATE_NOOP("cli",
                                      "--readings только для показаний, вводимых вручную, а не для "
                                      "--meter %1"),
                    {options.meter.text});
  options.readings = ParseNumbers(*text);
  if (!options.readings)
    return InvalidValue("--readings", *text,
                        QT_TRANSLATE_NOOP("cli", "токи в мА с десятичной точкой, через запятую"));
  const std::size_t wanted = options.points.size() * (options.adjust ? 2 : 1);
  if (options.readings->size() != wanted) {
    const std::vector<std::string> counts{std::to_string(wanted),
                                          std::to_string(options.readings->size())};
    if (options.adjust) {
      return ToolText(QT_TRANSLATE_NOOP("cli",
                                        "--readings нужно %1 токов, по одному на точку "
                                        "до подстройки и снова после неё, а не %2"),
                      counts);
    }
    return ToolText(
        QT_TRANSLATE_NOOP("cli", "--readings нужно %1 токов, по одному на точку, а не %2"), counts);
  }
  return std::nullopt;
}

std::optional<std::string> ParseNumbersOfTheCheck(const OptionValues& values,
                                                  CheckOptions& options) {
  options.points = check::DefaultPoints();
  if (const auto text = Value(values, "--points")) {
    auto points = check::ParsePoints(*text);
    if (std::holds_alternative<check::Refusal>(points)) {
      return InvalidValue("--points", *text,
                          QT_TRANSLATE_NOOP("cli",
                                            "от 2 до 11 процентов диапазона, каждый "
                                            "0..100, строго по возрастанию"));
    }
    options.points = std::get<std::vector<double>>(points);
  }
  if (const auto text = Value(values, "--tolerance")) {
    const auto tolerance = ParseReal(*text);
    if (!tolerance || !check::IsValidTolerance(*tolerance))
      return InvalidValue(
          "--tolerance", *text,
          QT_TRANSLATE_NOOP("cli", "% диапазона выходного сигнала, больше 0 и не больше 100"));
    options.tolerance = *tolerance;
  }
  if (const auto text = Value(values, "--settle")) {
    const auto seconds = ParseReal(*text);
    if (!seconds || !(*seconds >= 0.0 && *seconds <= kLongestSettleSeconds))
      return InvalidValue("--settle", *text, QT_TRANSLATE_NOOP("cli", "секунды, 0..3600"));
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
    return ToolText(QT_TRANSLATE_NOOP("cli", "check работает с одним портом, а не с %1"),
                    {std::to_string(ports)});
  const OptionValues& values = invocation.values;
  CheckOptions options;
  options.adjust = Has(values, "--adjust");
  if (options.adjust && !config::IsTableLoadingDevice(global.model))
    return ToolText(QT_TRANSLATE_NOOP(
        "cli",
        "--adjust только для моделей с загрузкой таблиц: у Velmor-7 нет подстройки "
        "диапазона"));
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
