#pragma once

#include "instruments/current_meter.h"
#include "instruments/source_values.h"

#include <optional>

namespace zelto::instruments {

// What applies the sensor's signal to the transmitter's input.
class Calibrator {
 public:
  virtual ~Calibrator() = default;

  virtual const std::string& Name() const = 0;
  // The user sets the signal by hand when asked: nothing goes out.
  virtual bool IsManual() const = 0;
  virtual Identity Identify() = 0;
  // Sets the output to the point's values: one command, sent once.
  virtual std::optional<InstrumentFailure> Apply(const SourceValues& values) = 0;
};

}  // namespace zelto::instruments
