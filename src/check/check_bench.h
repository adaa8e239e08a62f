#pragma once

#include "check/check_plan.h"
#include "check/settle_clock.h"
#include "check/settling.h"
#include "instruments/calibrator.h"
#include "instruments/current_meter.h"

namespace zelto::check {

// The person at the bench, as the check needs them: the tool asks on its terminal, the window's
// wizard on its page.
class CheckOperator {
 public:
  virtual ~CheckOperator() = default;

  // The calibrator is worked by hand: asks for the point's signal (SignalPrompt) and returns once
  // it is applied; false when the user cancels instead. `coldJunction`: the unit compensates its
  // cold junction, so the calibrator's thermocouple mode applies the temperature itself.
  virtual bool ApplySignal(const CheckPoint& point, bool coldJunction) = 0;
  // Each reading of a meter that reads itself, as it comes, while the point settles.
  virtual void ShowReading(double milliamperes) = 0;
};

// What a check measures with. A manual meter takes the reading its entry gives as it is; one that
// reads itself is read until the point settles (SettleSettings). The clock says when the user
// cancels while the check waits.
struct CheckBench {
  instruments::Calibrator& calibrator;
  instruments::CurrentMeter& meter;
  CheckOperator& person;
  SettleClock& clock;
  SettleSettings settle;  // its spread is set for each check from the tolerance
};

}  // namespace zelto::check
