#pragma once

#include <chrono>

namespace zelto::sim {

// A way for a simulated bench instrument to misbehave: instrument.SetFault(
// InstrumentFault::Drift(0.01)).
struct InstrumentFault {
  enum class Kind {
    kNone,
    kSilent,    // takes every line and answers none
    kGarbage,   // answers each measurement with text that is no number
    kOverload,  // answers each measurement with SCPI's overload value, 9.9E37
    kDrift,     // each measurement drifts on by value mA from the one before
    kLate,      // every answer whole, after the pause
  };

  Kind kind = Kind::kNone;
  double value = 0.0;
  std::chrono::milliseconds pause{0};

  static InstrumentFault None() { return {}; }
  static InstrumentFault Silent() { return {Kind::kSilent}; }
  static InstrumentFault Garbage() { return {Kind::kGarbage}; }
  static InstrumentFault Overload() { return {Kind::kOverload}; }
  static InstrumentFault Drift(double milliamperesPerReading) {
    return {Kind::kDrift, milliamperesPerReading};
  }
  static InstrumentFault Late(std::chrono::milliseconds pause) { return {Kind::kLate, 0.0, pause}; }
};

}  // namespace zelto::sim
