#include "config/sensor_conversion.h"

#include "config/conversion_tables.h"
#include "config/sensor_catalogue.h"
#include "config/table_evaluation.h"

#include <cmath>

namespace zelto::config {
namespace {

std::optional<float> Convert(int sensorCode, float argument, bool fromTemperature) {
  const auto sensor = LookupSensor(sensorCode);
  if (!sensor || sensor->sensorClass == SensorClass::kSignal || !std::isfinite(argument)) {
    return std::nullopt;
  }
  const bool thermocouple = sensor->sensorClass == SensorClass::kThermocouple;
  const SensorTable& table = thermocouple
                                 ? (fromTemperature ? TemperatureToEmfTable(sensor->TermoC)
                                                    : EmfToTemperatureTable(sensor->TermoC))
                                 : (fromTemperature ? TemperatureToRatioTable(sensor->Rezist)
                                                    : RatioToTemperatureTable(sensor->Rezist));
  const float result = Evaluate(table, argument);
  if (!std::isfinite(result))
    return std::nullopt;
  return result;
}

}  // namespace

std::optional<float> SignalAtTemperature(int sensorCode, float temperature) {
  return Convert(sensorCode, temperature, true);
}

std::optional<float> TemperatureAtSignal(int sensorCode, float signal) {
  return Convert(sensorCode, signal, false);
}

bool HasConversion(int sensorCode) {
  const auto sensor = LookupSensor(sensorCode);
  return sensor && sensor->sensorClass != SensorClass::kSignal;
}

}  // namespace zelto::config
