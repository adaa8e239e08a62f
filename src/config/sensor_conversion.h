#pragma once

#include <optional>

namespace zelto::config {

// A sensor's own conversions: a thermocouple between °C and mV, a resistance thermometer
// between °C and W = R/R0. Nothing for codes without conversion tables (15..20 and anything
// outside the catalogue), for a non-finite argument, or when the result is not finite.
std::optional<float> SignalAtTemperature(int sensorCode, float temperature);
std::optional<float> TemperatureAtSignal(int sensorCode, float signal);

// Whether the sensor has conversion tables at all.
bool HasConversion(int sensorCode);

}  // namespace zelto::config
