#pragma once

#include "check/check_refusal.h"
#include "check/checked_configuration.h"

#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace zelto::check {

// The quantity a calibrator applies to the transmitter's input at a point.
enum class SignalUnit { kOhm, kMillivolt, kMilliampere };

// "ohm", "mV", "mA": the record's key.
std::string_view SignalUnitKey(SignalUnit unit);
// "Ом", "мВ", "мА", marked for translation in the scope "status".
std::string_view SignalUnitName(SignalUnit unit);

// The output the check measures: its low end and its span, mA.
struct OutputScale {
  double low = 4.0;
  double span = 16.0;
};

struct CheckPoint {
  double percent = 0.0;
  // RngMin + percent/100 x (RngMax - RngMin): °C, or for a signal input its own quantity.
  double temperature = 0.0;
  bool temperatureRange = true;  // false for the mV, mA and Ω inputs
  double signal = 0.0;           // what the calibrator applies, in signalUnit
  SignalUnit signalUnit = SignalUnit::kOhm;
  double expected = 0.0;  // the nominal output current, mA
  // The output stops at 0 mA, so an error below zero cannot show at this point.
  bool clampedAtZero = false;

  bool operator==(const CheckPoint&) const = default;
};

struct CheckPlan {
  OutputScale output;
  std::vector<CheckPoint> points;
};

// The points of the check of a unit so configured, each with the signal to apply and the current
// its configuration promises, by the configurator's own nominal-current and signal computations.
std::variant<CheckPlan, Refusal> PlanCheck(const CheckedConfiguration& configuration,
                                           std::span<const double> percents);

}  // namespace zelto::check
