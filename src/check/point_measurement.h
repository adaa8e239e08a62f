#pragma once

#include "check/check_bench.h"
#include "check/check_record.h"
#include "instruments/instrument_failure.h"
#include "instruments/source_values.h"

#include <optional>

namespace zelto::check {

// A point measured, or why the check stops at it.
struct PointTaken {
  std::optional<MeasuredPoint> point;
  CheckStop stop = CheckStop::kNone;
  // The instrument's failure, for its words (FailureWords), when one stopped the check.
  std::optional<instruments::InstrumentFailure> failure;
};

// What a calibrator's command may take at the point. With the unit's cold-junction
// compensation on, an EMF against 0 °C would be wrong by the terminals' temperature: only the
// temperature, which the calibrator's thermocouple mode applies with its own compensation.
instruments::SourceValues CalibratorValues(const CheckPoint& point, bool coldJunction);

// The verdict on a current measured at the point.
MeasuredPoint JudgeMeasured(const CheckPoint& point, const OutputScale& output, double measured,
                            double tolerance);

// Applies the point's signal (the calibrator's command, or the user by hand), then takes the
// current: as the manual meter's entry gives it, or settled from the meter's readings; a point
// that does not settle is unstable, and fails. A cancel, a reading not given, or an instrument
// that fails stops the check with nothing more sent to either instrument.
PointTaken TakePoint(const CheckPoint& point, const OutputScale& output, double tolerance,
                     bool coldJunction, CheckBench& bench);

}  // namespace zelto::check
