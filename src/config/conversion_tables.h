#pragma once

#include "config/sensor_table.h"

namespace zelto::config {

// Thermocouple table indexes (TermoC).
inline constexpr int kThermocoupleS = 0;
inline constexpr int kThermocoupleB = 1;
inline constexpr int kThermocoupleJ = 2;
inline constexpr int kThermocoupleK = 3;
inline constexpr int kThermocoupleA1 = 4;
inline constexpr int kThermocoupleL = 5;
// Output linear in EMF: turns mV into tenths of a mV.
inline constexpr int kLinearEmf = 6;
inline constexpr int kThermocoupleTableCount = 7;
inline constexpr int kResistanceTableCount = 5;

// Each takes an index 0..6 and throws std::out_of_range beyond it.
const SensorTable& EmfToTemperatureTable(int termoC);
const SensorTable& TemperatureToEmfTable(int termoC);
// Each takes an index 0..4 (Rezist) and throws std::out_of_range beyond it.
const SensorTable& RatioToTemperatureTable(int rezist);
const SensorTable& TemperatureToRatioTable(int rezist);

// The type K reference function carries an exponential term above 0 °C that no table can
// hold; the evaluator recognises this one table by identity.
bool IsTypeKTemperatureToEmf(const SensorTable& table);

}  // namespace zelto::config
