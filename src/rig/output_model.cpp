#include "rig/output_model.h"

#include "config/memory_map.h"
#include "config/nominal_currents.h"
#include "config/sensor_catalogue.h"
#include "config/sensor_conversion.h"
#include "rig/sensor_inverse.h"

#include <algorithm>
#include <cmath>

namespace zelto::rig {
namespace {

using sim::SourceQuantity;

constexpr double kMilli = 1000.0;
constexpr double kOffsetScale = 10000.0;  // Bu is in 1/10000 of the signal unit
constexpr double kTenthsPerUnit = 10.0;
// Below a live zero the output sinks to 95 % of it (3.8 mA under 4); above the range it rises
// to 102.5 % of the top (20.5 mA, 5.125 mA).
constexpr double kUnderrange = 0.95;
constexpr double kOverrange = 1.025;
constexpr int kFirstCurrentInput = 17;
constexpr int kResistanceInput = 20;

struct OutputEnds {
  double low;
  double high;
};

OutputEnds OutputOf(int model, const config::StoredConfiguration& stored) {
  if (model == config::kDeviceVelmor7 && stored.outputRange) {
    if (const auto range = config::OutputCurrentRange(*stored.outputRange))
      return {static_cast<double>(range->low), static_cast<double>(range->high)};
  }
  return {static_cast<double>(stored.crnMix), static_cast<double>(stored.crtMax)};
}

double Clamped(double current, const OutputEnds& ends) {
  const double lowest = std::min(ends.low * kUnderrange, ends.high * kOverrange);
  const double highest = std::max(ends.low * kUnderrange, ends.high * kOverrange);
  if (!std::isfinite(current))
    return lowest;
  return std::clamp(current, lowest, highest);
}

// The signal at the input terminals in the sensor's signal unit: Ω for a resistance
// thermometer, mV for a thermocouple, the input's own unit for the signal inputs.
std::optional<double> TerminalSignal(const config::SensorInfo& sensor, const AppliedInput& input) {
  if (!TakesQuantity(sensor.code, input.quantity))
    return std::nullopt;
  if (input.quantity == SourceQuantity::kTemperature) {
    const auto own = config::SignalAtTemperature(sensor.code, static_cast<float>(input.value));
    if (!own)
      return std::nullopt;
    const bool resistance = sensor.sensorClass == config::SensorClass::kResistance;
    return resistance ? sensor.R0 * static_cast<double>(*own) : *own;
  }
  // Volts and amperes as the calibrator takes them, millivolts and milliamperes as the unit.
  return input.quantity == SourceQuantity::kResistance ? input.value : input.value * kMilli;
}

// Where the corrected signal lies on the range words, 0 at the low end and 1 at the high.
std::optional<double> RangeFraction(const config::StoredConfiguration& stored,
                                    const config::SensorInfo& sensor, double signal) {
  const double low = stored.devRngMin;
  const double span = static_cast<double>(stored.devRngMax) - low;
  if (sensor.sensorClass == config::SensorClass::kSignal)
    return (signal - low) / span;
  if (stored.linearEmf)
    return (kTenthsPerUnit * signal - low) / span;
  const auto temperature = TemperatureOfSignal(sensor.code, signal);
  if (!temperature)
    return std::nullopt;
  return (*temperature - low) / span;
}

}  // namespace

bool TakesQuantity(int sensorCode, SourceQuantity quantity) {
  const auto sensor = config::LookupSensor(sensorCode);
  if (!sensor)
    return false;
  switch (sensor->sensorClass) {
    case config::SensorClass::kResistance:
      return quantity == SourceQuantity::kTemperature || quantity == SourceQuantity::kResistance;
    case config::SensorClass::kThermocouple:
      return quantity == SourceQuantity::kTemperature || quantity == SourceQuantity::kVoltage;
    case config::SensorClass::kSignal:
      break;
  }
  if (sensorCode >= kResistanceInput)
    return quantity == SourceQuantity::kResistance;
  if (sensorCode >= kFirstCurrentInput)
    return quantity == SourceQuantity::kCurrent;
  return quantity == SourceQuantity::kVoltage;
}

double OutputCurrent(int model, const config::StoredConfiguration& stored,
                     const std::optional<AppliedInput>& input, const UnitError& error) {
  const OutputEnds ends = OutputOf(model, stored);
  const auto sensor = config::LookupSensor(stored.sensor);
  const auto terminals =
      stored.configured && sensor && input ? TerminalSignal(*sensor, *input) : std::nullopt;
  if (!terminals)
    return Clamped(NAN, ends);
  double signal = error.gain * *terminals + error.offset;
  if (sensor->sensorClass == config::SensorClass::kResistance)
    signal /= sensor->R0;  // the unit works in W = R/R0
  const double corrected = stored.Au * (signal + stored.Bu / kOffsetScale);
  const auto fraction = RangeFraction(stored, *sensor, corrected);
  if (!fraction)
    return Clamped(NAN, ends);
  return Clamped(ends.low + (ends.high - ends.low) * *fraction, ends);
}

std::optional<config::StoredConfiguration> StoredInMemory(int model,
                                                          const sim::MemoryImage& memory) {
  return config::DecodeStoredConfiguration(model, [&](uint16_t address) -> std::optional<uint32_t> {
    if (address % config::kWordSize != 0 || address + config::kWordSize > config::kMemorySize)
      return std::nullopt;
    uint32_t word = 0;
    for (int i = config::kWordSize - 1; i >= 0; --i)
      word = word << 8 | memory[address + static_cast<std::size_t>(i)];
    return word;
  });
}

}  // namespace zelto::rig
