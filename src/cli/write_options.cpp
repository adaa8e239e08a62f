#include "cli/write_options.h"

#include "cli/cli_options.h"
#include "config/nominal_currents.h"
#include "config/real_conversion.h"
#include "config/record_validation.h"
#include "config/sensor_catalogue.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <array>

namespace zelto::cli {
namespace {

// The Velmor-7 settings, which the window shows for that model only.
constexpr std::array<std::string_view, 5> kVelmorOptions{"--output", "--cold-junction", "--scheme",
                                                         "--sqrt", "--sensor-break"};
constexpr std::array<std::string_view, 3> kSchemes{"4", "3", "2"};          // SetSheme positions
constexpr std::array<std::string_view, 3> kOutputs{"0-5", "0-20", "4-20"};  // SetOutCurrent

constexpr int kLastThermocouple = config::kFirstSignalInput - 1;
constexpr int kLastCurrentInput = 19;

// The position of the text in a table of choices.
template <std::size_t N>
std::optional<int> Position(const std::array<std::string_view, N>& choices, std::string_view text) {
  for (std::size_t i = 0; i < N; ++i) {
    if (choices[i] == text)
      return static_cast<int>(i);
  }
  return std::nullopt;
}

std::variant<int, std::string> ParseSensor(const OptionValues& values, int model,
                                           std::string_view command) {
  const auto text = values.find("--sensor");
  if (text == values.end())
    return ToolText(QT_TRANSLATE_NOOP("cli", "%1 нужен --sensor КОД"), {std::string(command)});
  const auto code = ParseInteger(text->second);
  if (!code || *code < 0 || *code >= config::SensorListSize(model))
    return InvalidValue("--sensor", text->second,
                        QT_TRANSLATE_NOOP("cli", "такого кода нет в списке датчиков модели"));
  return *code;
}

std::variant<WholeRange, std::string> ParseRange(std::string_view text) {
  const auto dots = text.find("..");
  const auto low =
      dots == std::string_view::npos ? std::nullopt : ParseInteger(text.substr(0, dots));
  const auto high =
      dots == std::string_view::npos ? std::nullopt : ParseInteger(text.substr(dots + 2));
  if (!low || !high)
    return InvalidValue("--range", text, QT_TRANSLATE_NOOP("cli", "целые числа LO..HI"));
  return WholeRange{*low, *high};
}

std::variant<float, std::string> ParseFloat(const OptionValues& values, std::string_view name) {
  const auto text = values.find(name);
  if (text == values.end())
    return ToolText(QT_TRANSLATE_NOOP("cli", "correct нужен %1"), {std::string(name)});
  const auto number = ParseReal(text->second);
  const auto value = number ? config::NarrowToFloat(*number) : std::nullopt;
  if (!value)
    return InvalidValue(name, text->second);
  return *value;
}

bool IsThermocouple(int sensor) {
  return sensor >= config::kFirstThermocouple && sensor <= kLastThermocouple;
}

// The window offers the wiring scheme for resistance inputs only.
bool HasScheme(int sensor) {
  return !IsThermocouple(sensor) &&
         !(sensor >= config::kFirstSignalInput && sensor <= kLastCurrentInput);
}

std::optional<std::string> RefuseLinearEmf(const OptionValues& values, int sensor) {
  if (Has(values, "--linear-emf") && !IsThermocouple(sensor))
    return ToolText(
        QT_TRANSLATE_NOOP("cli", "--linear-emf только для термопар (коды датчиков 9..14)"));
  return std::nullopt;
}

}  // namespace

std::variant<WriteOptions, std::string> ParseWriteOptions(const OptionValues& values, int model) {
  const auto sensor = ParseSensor(values, model, "write");
  if (const auto* reason = std::get_if<std::string>(&sensor))
    return *reason;
  WriteOptions options;
  options.sensor = std::get<int>(sensor);
  options.switches.outputRange = config::kOutput4To20;

  if (const auto range = values.find("--range"); range != values.end()) {
    const auto parsed = ParseRange(range->second);
    if (const auto* reason = std::get_if<std::string>(&parsed))
      return *reason;
    options.range = std::get<WholeRange>(parsed);
  }
  if (model != config::kDeviceVelmor7) {
    for (const std::string_view name : kVelmorOptions) {
      if (Has(values, name))
        return ToolText(QT_TRANSLATE_NOOP("cli", "%1 только для Velmor-7"), {std::string(name)});
    }
  }
  if (auto reason = RefuseLinearEmf(values, options.sensor))
    return *reason;
  options.lineFunc = Has(values, "--linear-emf");
  if (Has(values, "--cold-junction") && !IsThermocouple(options.sensor))
    return ToolText(
        QT_TRANSLATE_NOOP("cli", "--cold-junction только для термопар (коды датчиков 9..14)"));
  options.switches.coldJunction = Has(values, "--cold-junction");
  options.switches.squareRoot = Has(values, "--sqrt");
  options.switches.sensorBreak = Has(values, "--sensor-break");

  if (const auto scheme = values.find("--scheme"); scheme != values.end()) {
    if (!HasScheme(options.sensor)) {
      return ToolText(QT_TRANSLATE_NOOP("cli", "--scheme не предлагается для датчика с кодом %1"),
                      {std::to_string(options.sensor)});
    }
    const auto position = Position(kSchemes, scheme->second);
    if (!position)
      return InvalidValue("--scheme", scheme->second, QT_TRANSLATE_NOOP("cli", "4, 3 или 2"));
    options.switches.scheme = *position;
  }
  if (const auto output = values.find("--output"); output != values.end()) {
    const auto position = Position(kOutputs, output->second);
    if (!position)
      return InvalidValue("--output", output->second,
                          QT_TRANSLATE_NOOP("cli", "0-5, 0-20 или 4-20"));
    options.switches.outputRange = *position;
  }
  return options;
}

std::variant<CorrectOptions, std::string> ParseCorrectOptions(const OptionValues& values,
                                                              int model) {
  if (!config::IsTableLoadingDevice(model))
    return ToolText(QT_TRANSLATE_NOOP("cli",
                                      "%1 только для моделей с загрузкой таблиц: у Velmor-7 "
                                      "нет подстройки диапазона"),
                    {"correct"});
  const auto sensor = ParseSensor(values, model, "correct");
  if (const auto* reason = std::get_if<std::string>(&sensor))
    return *reason;
  CorrectOptions options;
  options.sensor = std::get<int>(sensor);

  const auto range = values.find("--range");
  if (range == values.end())
    return ToolText(QT_TRANSLATE_NOOP("cli", "correct нужен --range LO..HI"));
  const auto parsed = ParseRange(range->second);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return *reason;
  options.range = std::get<WholeRange>(parsed);

  const std::array<std::pair<std::string_view, float*>, 4> numbers{
      {{"--t1", &options.t1}, {"--t2", &options.t2}, {"--i1", &options.i1}, {"--i2", &options.i2}}};
  for (const auto& [name, target] : numbers) {
    const auto value = ParseFloat(values, name);
    if (const auto* reason = std::get_if<std::string>(&value))
      return *reason;
    *target = std::get<float>(value);
  }
  if (auto reason = RefuseLinearEmf(values, options.sensor))
    return *reason;
  options.lineFunc = Has(values, "--linear-emf");
  return options;
}

}  // namespace zelto::cli
