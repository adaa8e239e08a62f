#include "check/settling.h"

#include <algorithm>
#include <numeric>

namespace zelto::check {
namespace {

constexpr std::size_t kReadingsInARow = 3;
// The rounding of a difference of two readings must not unsettle three equal ones.
constexpr double kRoundingAllowance = 1e-9;

// The mean of the last readings when they settled.
std::optional<double> SettledMean(const std::vector<double>& readings, double spread) {
  if (readings.size() < kReadingsInARow)
    return std::nullopt;
  const auto last = readings.end() - kReadingsInARow;
  const auto [low, high] = std::minmax_element(last, readings.end());
  if (*high - *low > spread + kRoundingAllowance)
    return std::nullopt;
  return std::accumulate(last, readings.end(), 0.0) / kReadingsInARow;
}

}  // namespace

Settled Settle(instruments::CurrentMeter& meter, SettleClock& clock, const SettleSettings& settings,
               const ReadingShown& shown) {
  Settled settled;
  if (!clock.WaitUntil(clock.Now() + settings.settle)) {
    settled.outcome = Settled::Outcome::kCancelled;
    return settled;
  }
  const SettleClock::TimePoint first = clock.Now();
  const SettleClock::TimePoint last = first + settings.limit;
  // On a fixed beat from the first reading, so that a meter slow to answer does not stretch it.
  const auto interval = std::max(settings.interval, std::chrono::milliseconds(1));
  for (SettleClock::TimePoint next = first; next <= last; next += interval) {
    if (!clock.WaitUntil(next)) {
      settled.outcome = Settled::Outcome::kCancelled;
      return settled;
    }
    // A meter that took its time has used up the readings that were due meanwhile.
    if (clock.Now() > last)
      break;
    auto reading = meter.ReadMilliamperes();
    if (auto* failure = std::get_if<instruments::InstrumentFailure>(&reading)) {
      settled.outcome = Settled::Outcome::kMeterFailed;
      settled.failure = *failure;
      return settled;
    }
    const double current = std::get<double>(reading);
    settled.readings.push_back(current);
    if (shown)
      shown(current);
    if (const auto mean = SettledMean(settled.readings, settings.spread)) {
      settled.current = *mean;
      return settled;
    }
  }
  settled.outcome = Settled::Outcome::kUnstable;
  return settled;
}

}  // namespace zelto::check
