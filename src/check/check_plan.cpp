#include "check/check_plan.h"

#include "check/test_points.h"
#include "config/config_view.h"
#include "config/sensor_catalogue.h"
#include "config/sensor_conversion.h"
#include "link/translatable.h"

#include <cmath>
#include <optional>

namespace zelto::check {
namespace {

constexpr config::CurrentRange kLoadingOutput{4, 20};
constexpr double kPercent = 100.0;
constexpr double kTenthsPerUnit = 10.0;
// Signal inputs by catalogue code: millivolts, then milliamperes, then ohms.
constexpr int kFirstCurrentInput = 17;
constexpr int kResistanceInput = 20;

SignalUnit InputUnit(int sensor) {
  if (sensor >= kResistanceInput)
    return SignalUnit::kOhm;
  return sensor >= kFirstCurrentInput ? SignalUnit::kMilliampere : SignalUnit::kMillivolt;
}

std::variant<config::CurrentRange, Refusal> OutputRangeOf(const CheckedConfiguration& c) {
  if (config::IsTableLoadingDevice(c.model)) {
    // The nominal currents of this family are on 4..20 mA; a unit set otherwise cannot be held
    // to them.
    if (c.currentWords.low != kLoadingOutput.low || c.currentWords.high != kLoadingOutput.high)
      return Refusal::kCurrentRangeWords;
    return kLoadingOutput;
  }
  if (c.model != config::kDeviceVelmor7)
    return Refusal::kUnknownModel;
  if (c.squareRoot)
    return Refusal::kSquareRoot;
  const auto range = config::OutputCurrentRange(c.outputRange);
  if (!range)
    return Refusal::kUnknownOutputRange;
  return *range;
}

// The current the configuration promises where the range fraction is taken at `position`
// between `low` and `high`, by the same computation the window shows the nominal currents with.
std::optional<double> NominalCurrent(const CheckedConfiguration& c, int32_t low, int32_t high,
                                     float position) {
  config::ConfigRecord record;
  record.Device = static_cast<uint8_t>(c.model);
  record.RngMin = low;
  record.RngMax = high;
  record.TmpZero = position;
  record.TmpFull = position;
  config::SilentConfigView view;
  if (!config::ComputeNominalCurrents(record, false, c.outputRange, view))
    return std::nullopt;
  return record.CurZero;
}

std::optional<CheckPoint> PlanPoint(const CheckedConfiguration& c, const config::SensorInfo& sensor,
                                    double percent) {
  CheckPoint point;
  point.percent = percent;
  point.temperature =
      c.rangeMin + percent / kPercent * (static_cast<double>(c.rangeMax) - c.rangeMin);
  const auto temperature = static_cast<float>(point.temperature);
  point.temperatureRange = sensor.sensorClass != config::SensorClass::kSignal;

  std::optional<double> expected;
  if (!point.temperatureRange) {
    point.signal = point.temperature;
    point.signalUnit = InputUnit(c.sensor);
    expected = NominalCurrent(c, c.rangeMin, c.rangeMax, temperature);
  } else {
    const auto own = config::SignalAtTemperature(c.sensor, temperature);  // mV, or W
    if (!own)
      return std::nullopt;
    const bool resistance = sensor.sensorClass == config::SensorClass::kResistance;
    point.signal = resistance ? sensor.R0 * static_cast<double>(*own) : *own;
    point.signalUnit = resistance ? SignalUnit::kOhm : SignalUnit::kMillivolt;
    // Linear in EMF, the unit places the signal itself between its range words, in tenths.
    expected = c.linearEmf ? NominalCurrent(c, c.devRangeMin, c.devRangeMax,
                                            static_cast<float>(kTenthsPerUnit * *own))
                           : NominalCurrent(c, c.rangeMin, c.rangeMax, temperature);
  }
  if (!expected || !std::isfinite(*expected) || !std::isfinite(point.signal))
    return std::nullopt;
  point.expected = *expected;
  return point;
}

}  // namespace

std::string_view SignalUnitKey(SignalUnit unit) {
  switch (unit) {
    case SignalUnit::kOhm:
      return "ohm";
    case SignalUnit::kMillivolt:
      return "mV";
    case SignalUnit::kMilliampere:
      return "mA";
  }
  return {};
}

std::string_view SignalUnitName(SignalUnit unit) {
  switch (unit) {
    case SignalUnit::kOhm:
      return QT_TRANSLATE_NOOP("status", "Ом");
    case SignalUnit::kMillivolt:
      return QT_TRANSLATE_NOOP("status", "мВ");
    case SignalUnit::kMilliampere:
      return QT_TRANSLATE_NOOP("status", "мА");
  }
  return {};
}

std::variant<CheckPlan, Refusal> PlanCheck(const CheckedConfiguration& configuration,
                                           std::span<const double> percents) {
  if (const auto refusal = RefusePoints(percents))
    return *refusal;
  const auto output = OutputRangeOf(configuration);
  if (const auto* refusal = std::get_if<Refusal>(&output))
    return *refusal;
  const auto sensor = config::LookupSensor(configuration.sensor);
  if (!sensor)
    return Refusal::kUnknownSensor;
  if (configuration.linearEmf && sensor->sensorClass == config::SensorClass::kSignal)
    return Refusal::kLinearWithoutTables;
  const bool linearEnds = configuration.linearEmf;
  if (configuration.rangeMin >= configuration.rangeMax ||
      (linearEnds && configuration.devRangeMin == configuration.devRangeMax)) {
    return Refusal::kEmptyRange;
  }

  const auto range = std::get<config::CurrentRange>(output);
  CheckPlan plan;
  plan.output = {static_cast<double>(range.low), static_cast<double>(range.high - range.low)};
  for (const double percent : percents) {
    auto point = PlanPoint(configuration, *sensor, percent);
    if (!point)
      return Refusal::kNoSignal;
    point->clampedAtZero = range.low == 0 && percent == 0.0;
    plan.points.push_back(*point);
  }
  return plan;
}

}  // namespace zelto::check
