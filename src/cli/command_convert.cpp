#include "cli/command_convert.h"

#include "cli/exit_codes.h"
#include "cli/named_options.h"
#include "config/comma_decimals.h"
#include "config/real_conversion.h"
#include "config/sensor_catalogue.h"
#include "config/sensor_conversion.h"

#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace zelto::cli {
namespace {

// The table-loading models list the resistance thermometers and thermocouples only.
constexpr int kLoadingModelSensors = config::kFirstSignalInput;
constexpr int kVelmorModel = 2;

int Refuse(const std::string& reason) {
  std::fprintf(stderr, "zelto-cli: %s\n", reason.c_str());
  return kExitUsage;
}

std::string Invalid(const std::string& name, const std::string& value) {
  return "invalid value '" + value + "' for " + name;
}

}  // namespace

int RunConvert(const Invocation& invocation) {
  const auto parsed =
      ParseNamedOptions(invocation.arguments, {"--sensor", "--temperature", "--signal"}, "convert");
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return Refuse(*reason);
  const NamedOptions* values = &std::get<NamedOptions>(parsed);

  const auto sensorText = values->find("--sensor");
  if (sensorText == values->end())
    return Refuse("convert needs --sensor CODE");
  const auto sensor = ParseInteger(sensorText->second);
  const int listed =
      invocation.options.model == kVelmorModel ? config::kSensorCount : kLoadingModelSensors;
  if (!sensor || *sensor < 0 || *sensor >= listed) {
    return Refuse(Invalid("--sensor", sensorText->second) + " (not in the model's sensor list)");
  }
  if (!config::HasConversion(*sensor)) {
    return Refuse("sensor code " + sensorText->second + " has no conversion tables");
  }

  const auto temperature = values->find("--temperature");
  const auto signal = values->find("--signal");
  if ((temperature == values->end()) == (signal == values->end())) {
    return Refuse("convert needs exactly one of --temperature and --signal");
  }
  const bool fromTemperature = temperature != values->end();
  const auto& [name, text] = fromTemperature ? *temperature : *signal;
  const auto number = ParseReal(text);
  const auto argument = number ? config::NarrowToFloat(*number) : std::nullopt;
  if (!argument)
    return Refuse(Invalid(name, text));

  const auto result = fromTemperature ? config::SignalAtTemperature(*sensor, *argument)
                                      : config::TemperatureAtSignal(*sensor, *argument);
  if (!result)
    return Refuse("no finite result for " + name + " " + text);

  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.4f", static_cast<double>(*result));
  std::string line = buffer.data();
  config::CommaDecimals(line);
  std::printf("%s\n", line.c_str());
  return kExitSuccess;
}

}  // namespace zelto::cli
