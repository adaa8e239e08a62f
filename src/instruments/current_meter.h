#pragma once

#include "instruments/instrument_failure.h"

#include <string>
#include <variant>

namespace zelto::instruments {

using Reading = std::variant<double, InstrumentFailure>;  // mA
using Identity = std::variant<std::string, InstrumentFailure>;

// What reads the transmitter's loop current.
class CurrentMeter {
 public:
  virtual ~CurrentMeter() = default;

  // As the user named it: "tcp:10.0.0.5:5025", "manual".
  virtual const std::string& Name() const = 0;
  // The user types each reading: it is taken as it is, without waiting for it to settle.
  virtual bool IsManual() const = 0;
  // The instrument's answer to *IDN?; empty for a manual meter.
  virtual Identity Identify() = 0;
  // One reading of the current, mA.
  virtual Reading ReadMilliamperes() = 0;
};

}  // namespace zelto::instruments
