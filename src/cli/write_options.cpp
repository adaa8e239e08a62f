#include "cli/write_options.h"

#include "cli/cli_options.h"
#include "config/nominal_currents.h"
#include "config/real_conversion.h"
#include "config/record_validation.h"
#include "config/sensor_catalogue.h"

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

std::string Invalid(std::string_view name, std::string_view value) {
  return "invalid value '" + std::string(value) + "' for " + std::string(name);
}

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
    return std::string(command) + " needs --sensor CODE";
  const auto code = ParseInteger(text->second);
  if (!code || *code < 0 || *code >= config::SensorListSize(model))
    return Invalid("--sensor", text->second) + " (not in the model's sensor list)";
  return *code;
}

std::variant<WholeRange, std::string> ParseRange(std::string_view text) {
  const auto dots = text.find("..");
  const auto low =
      dots == std::string_view::npos ? std::nullopt : ParseInteger(text.substr(0, dots));
  const auto high =
      dots == std::string_view::npos ? std::nullopt : ParseInteger(text.substr(dots + 2));
  if (!low || !high)
    return Invalid("--range", text) + " (whole numbers LO..HI)";
  return WholeRange{*low, *high};
}

std::variant<float, std::string> ParseFloat(const OptionValues& values, std::string_view name) {
  const auto text = values.find(name);
  if (text == values.end())
    return "correct needs " + std::string(name);
  const auto number = ParseReal(text->second);
  const auto value = number ? config::NarrowToFloat(*number) : std::nullopt;
  if (!value)
    return Invalid(name, text->second);
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
    return std::string("--linear-emf is for thermocouples only (sensor codes 9..14)");
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
        return std::string(name) + " is for Velmor-7 only";
    }
  }
  if (auto reason = RefuseLinearEmf(values, options.sensor))
    return *reason;
  options.lineFunc = Has(values, "--linear-emf");
  if (Has(values, "--cold-junction") && !IsThermocouple(options.sensor))
    return std::string("--cold-junction is for thermocouples only (sensor codes 9..14)");
  options.switches.coldJunction = Has(values, "--cold-junction");
  options.switches.squareRoot = Has(values, "--sqrt");
  options.switches.sensorBreak = Has(values, "--sensor-break");

  if (const auto scheme = values.find("--scheme"); scheme != values.end()) {
    if (!HasScheme(options.sensor)) {
      return "--scheme is not offered for sensor code " + std::to_string(options.sensor);
    }
    const auto position = Position(kSchemes, scheme->second);
    if (!position)
      return Invalid("--scheme", scheme->second) + " (4, 3 or 2)";
    options.switches.scheme = *position;
  }
  if (const auto output = values.find("--output"); output != values.end()) {
    const auto position = Position(kOutputs, output->second);
    if (!position)
      return Invalid("--output", output->second) + " (0-5, 0-20 or 4-20)";
    options.switches.outputRange = *position;
  }
  return options;
}

std::variant<CorrectOptions, std::string> ParseCorrectOptions(const OptionValues& values,
                                                              int model) {
  if (!config::IsTableLoadingDevice(model))
    return std::string("correct is for the table-loading models; Velmor-7 has no range correction");
  const auto sensor = ParseSensor(values, model, "correct");
  if (const auto* reason = std::get_if<std::string>(&sensor))
    return *reason;
  CorrectOptions options;
  options.sensor = std::get<int>(sensor);

  const auto range = values.find("--range");
  if (range == values.end())
    return std::string("correct needs --range LO..HI");
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
