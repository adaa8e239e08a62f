#pragma once

#include "check/settle_clock.h"
#include "instruments/current_meter.h"

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace zelto::check {

struct SettleSettings {
  std::chrono::milliseconds settle{2000};   // after the signal is applied, before the first reading
  std::chrono::milliseconds interval{500};  // between readings
  std::chrono::milliseconds limit{10000};   // from the first reading to the last one that counts
  double spread = 0.0;  // mA: the most three readings in a row may spread (SettledSpread)
};

struct Settled {
  enum class Outcome { kSettled, kUnstable, kMeterFailed, kCancelled };

  Outcome outcome = Outcome::kSettled;
  double current = 0.0;          // mA: the mean of the three readings that settled
  std::vector<double> readings;  // every reading taken, in order
  std::optional<instruments::InstrumentFailure> failure;
};

// The window shows each reading as it comes.
using ReadingShown = std::function<void(double milliamperes)>;

// Waits the settle time after the signal was applied, then reads the meter every interval and
// takes the first three readings in a row whose spread is within the settings' spread; their mean
// is the measured current. None by the limit: unstable. A meter failure stops at once with the
// instrument's failure; so does a cancel, with nothing more read.
Settled Settle(instruments::CurrentMeter& meter, SettleClock& clock, const SettleSettings& settings,
               const ReadingShown& shown = {});

}  // namespace zelto::check
