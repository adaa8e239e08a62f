#include "cli/command_convert.h"

#include "cli/exit_codes.h"
#include "config/comma_decimals.h"
#include "config/real_conversion.h"
#include "config/sensor_catalogue.h"
#include "config/sensor_conversion.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace zelto::cli {
namespace {

// The table-loading models list the resistance thermometers and thermocouples only.
constexpr int kLoadingModelSensors = config::kFirstSignalInput;
constexpr int kVelmorModel = 2;

}  // namespace

int RunConvert(const Invocation& invocation, Output& output) {
  const auto Refuse = [&](const std::string& reason) { return UsageError(output, reason); };
  const OptionValues* values = &invocation.values;

  const auto sensorText = values->find("--sensor");
  if (sensorText == values->end())
    return Refuse(ToolText(QT_TRANSLATE_NOOP("cli", "%1 нужен --sensor КОД"), {"convert"}));
  const auto sensor = ParseInteger(sensorText->second);
  const int listed =
      invocation.options.model == kVelmorModel ? config::kSensorCount : kLoadingModelSensors;
  if (!sensor || *sensor < 0 || *sensor >= listed) {
    return Refuse(
        InvalidValue("--sensor", sensorText->second,
                     QT_TRANSLATE_NOOP("cli", "такого кода нет в списке датчиков модели")));
  }
  if (!config::HasConversion(*sensor)) {
    return Refuse(
        ToolText(QT_TRANSLATE_NOOP("cli", "у датчика с кодом %1 нет таблиц преобразования"),
                 {sensorText->second}));
  }

  const auto temperature = values->find("--temperature");
  const auto signal = values->find("--signal");
  if ((temperature == values->end()) == (signal == values->end())) {
    return Refuse(
        ToolText(QT_TRANSLATE_NOOP("cli", "convert нужен ровно один из --temperature и --signal")));
  }
  const bool fromTemperature = temperature != values->end();
  const auto& [name, text] = fromTemperature ? *temperature : *signal;
  const auto number = ParseReal(text);
  const auto argument = number ? config::NarrowToFloat(*number) : std::nullopt;
  if (!argument)
    return Refuse(InvalidValue(name, text));

  const auto result = fromTemperature ? config::SignalAtTemperature(*sensor, *argument)
                                      : config::TemperatureAtSignal(*sensor, *argument);
  if (!result)
    return Refuse(
        ToolText(QT_TRANSLATE_NOOP("cli", "нет конечного результата для %1 %2"), {name, text}));

  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.4f", static_cast<double>(*result));
  const double shown = std::strtod(buffer.data(), nullptr);
  std::string line = buffer.data();
  config::CommaDecimals(line);
  output.Line(line);
  QJsonObject& object = output.Result();
  object.insert("sensor", *sensor);
  object.insert("temperature", fromTemperature ? *number : shown);
  object.insert("signal", fromTemperature ? shown : *number);
  return kExitSuccess;
}

}  // namespace zelto::cli
