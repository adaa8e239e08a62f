#include "cli/write_options.h"

#include "cli/cli_options.h"
#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "config/real_conversion.h"
#include "config/record_validation.h"
#include "config/sensor_catalogue.h"
#include "config/sensor_selection.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <span>

namespace zelto::cli {
namespace {

using Values = std::map<std::string, std::string, std::less<>>;

struct OptionSpec {
  std::string_view name;
  bool takesValue;
};

constexpr std::array kWriteOptions{
    OptionSpec{"--sensor", true},         OptionSpec{"--range", true},
    OptionSpec{"--output", true},         OptionSpec{"--linear-emf", false},
    OptionSpec{"--cold-junction", false}, OptionSpec{"--scheme", true},
    OptionSpec{"--sqrt", false},          OptionSpec{"--sensor-break", false},
};
constexpr std::array kCorrectOptions{
    OptionSpec{"--sensor", true},      OptionSpec{"--range", true}, OptionSpec{"--t1", true},
    OptionSpec{"--t2", true},          OptionSpec{"--i1", true},    OptionSpec{"--i2", true},
    OptionSpec{"--linear-emf", false},
};
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

// Reads "--name value", "--name=value" and flags into values (a flag's value is empty); a reason
// for an unknown option, a missing value or an option given twice.
std::optional<std::string> ReadOptions(const std::vector<std::string>& arguments,
                                       std::span<const OptionSpec> specs, std::string_view command,
                                       Values& values) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const auto equals = name.find('='); equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    }
    const auto spec = std::find_if(specs.begin(), specs.end(),
                                   [&](const OptionSpec& s) { return s.name == name; });
    if (spec == specs.end())
      return "unknown option '" + name + "' for " + std::string(command);
    if (!spec->takesValue && value)
      return "option " + name + " takes no value";
    if (spec->takesValue && !value) {
      if (i + 1 == arguments.size())
        return "option " + name + " needs a value";
      value = arguments[++i];
    }
    if (!values.emplace(name, value.value_or("")).second)
      return "option " + name + " given twice";
  }
  return std::nullopt;
}

bool Has(const Values& values, std::string_view name) {
  return values.find(name) != values.end();
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

std::variant<int, std::string> ParseSensor(const Values& values, int model,
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

std::variant<float, std::string> ParseFloat(const Values& values, std::string_view name) {
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

std::optional<std::string> RefuseLinearEmf(const Values& values, int sensor) {
  if (Has(values, "--linear-emf") && !IsThermocouple(sensor))
    return std::string("--linear-emf is for thermocouples only (sensor codes 9..14)");
  return std::nullopt;
}

std::string RangeRefusal(const WholeRange& range, const config::ConfigRecord& record) {
  return "range " + std::to_string(range.low) + ".." + std::to_string(range.high) +
         " is refused: sensor " + std::to_string(record.Sensor) + " takes LO below HI within " +
         std::to_string(record.LimMin) + ".." + std::to_string(record.LimMax);
}

// The model and the sensor, as the window's lists set them.
void SelectSensor(config::ConfigRecord& record, int model, int sensor, int outputRange,
                  config::ConfigView& view) {
  using config::Selection;
  config::SetDeviceOrSensor(record, Selection::kDevice, model, outputRange, view);
  config::SetDeviceOrSensor(record, Selection::kSensor, sensor, outputRange, view);
}

// The range as typed into RangeMin and RangeMax; the reason when the window would refuse it.
std::optional<std::string> ApplyRange(config::ConfigRecord& record, const WholeRange& range,
                                      int outputRange, config::ConfigView& view) {
  // The low end first: from the full range, every pair the rules accept gets through this way.
  config::AssignField(record, config::kQuantityRangeMin, static_cast<float>(range.low), outputRange,
                      view);
  config::AssignField(record, config::kQuantityRangeMax, static_cast<float>(range.high),
                      outputRange, view);
  if (record.RngMin != range.low || record.RngMax != range.high)
    return RangeRefusal(range, record);
  return std::nullopt;
}

// A click on the output range: its two current ends through the current fields, then the
// nominal currents on the new scale.
void ApplyOutputRange(config::ConfigRecord& record, int outputRange, config::ConfigView& view) {
  const auto currents = config::OutputCurrentRange(outputRange);
  if (!currents)
    return;
  config::AssignField(record, config::kQuantityCurrentMin, static_cast<float>(currents->low),
                      outputRange, view);
  config::AssignField(record, config::kQuantityCurrentMax, static_cast<float>(currents->high),
                      outputRange, view);
  config::ComputeNominalCurrents(record, true, outputRange, view);
}

// Assigns the value as the window's field would; the reason when the field keeps another value.
std::optional<std::string> Assign(config::ConfigRecord& record, int quantityCode, float value,
                                  std::string_view option, std::string_view rule,
                                  config::ConfigView& view) {
  const float shown = config::AssignField(record, quantityCode, value, config::kOutput4To20, view);
  if (shown == value)
    return std::nullopt;
  std::array<char, 64> number{};
  std::snprintf(number.data(), number.size(), "%g", static_cast<double>(value));
  return std::string(option) + " " + number.data() + " is refused: " + std::string(rule);
}

std::string NominalCurrentRule(float nominal, double band) {
  std::array<char, 96> rule{};
  std::snprintf(rule.data(), rule.size(), "it must lie within %.2f mA of the nominal %.3f mA", band,
                static_cast<double>(nominal));
  return rule.data();
}

}  // namespace

std::variant<WriteOptions, std::string> ParseWriteOptions(const std::vector<std::string>& arguments,
                                                          int model) {
  Values values;
  if (auto reason = ReadOptions(arguments, kWriteOptions, "write", values))
    return *reason;
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

std::variant<CorrectOptions, std::string> ParseCorrectOptions(
    const std::vector<std::string>& arguments, int model) {
  if (!config::IsTableLoadingDevice(model))
    return std::string("correct is for the table-loading models; Velmor-7 has no range correction");
  Values values;
  if (auto reason = ReadOptions(arguments, kCorrectOptions, "correct", values))
    return *reason;
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

std::variant<config::ConfigRecord, std::string> RecordForWrite(const WriteOptions& options,
                                                               int model,
                                                               config::ConfigView& view) {
  config::ConfigRecord record;
  const int output = options.switches.outputRange;
  SelectSensor(record, model, options.sensor, output, view);
  if (model == config::kDeviceVelmor7)
    ApplyOutputRange(record, output, view);
  if (options.range) {
    if (auto reason = ApplyRange(record, *options.range, output, view))
      return *reason;
  }
  return record;
}

std::variant<config::ConfigRecord, std::string> RecordForCorrection(const CorrectOptions& options,
                                                                    int model,
                                                                    config::ConfigView& view) {
  config::ConfigRecord record;
  SelectSensor(record, model, options.sensor, config::kOutput4To20, view);
  if (auto reason = ApplyRange(record, options.range, config::kOutput4To20, view))
    return *reason;
  constexpr std::string_view kTemperatureRule = "T1 and T2 must lie within the range, T1 below T2";
  // T1 may only move below T2, so T2 goes first when T1 is not below the current T2.
  const bool fullFirst = options.t1 >= record.TmpFull;
  const std::array<std::pair<int, std::pair<float, std::string_view>>, 2> temperatures{
      {{config::kQuantityTmpZero, {options.t1, "--t1"}},
       {config::kQuantityTmpFull, {options.t2, "--t2"}}}};
  for (int i = 0; i < 2; ++i) {
    const auto& [code, entry] = temperatures[static_cast<std::size_t>(fullFirst ? 1 - i : i)];
    if (auto reason = Assign(record, code, entry.first, entry.second, kTemperatureRule, view))
      return *reason;
  }
  if (auto reason = Assign(record, config::kQuantityZero, options.i1, "--i1",
                           NominalCurrentRule(record.CurZero, 0.32), view)) {
    return *reason;
  }
  if (auto reason = Assign(record, config::kQuantityFull, options.i2, "--i2",
                           NominalCurrentRule(record.CurFull, 0.8), view)) {
    return *reason;
  }
  return record;
}

}  // namespace zelto::cli
