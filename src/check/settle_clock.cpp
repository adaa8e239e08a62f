#include "check/settle_clock.h"

#include <algorithm>
#include <thread>

namespace zelto::check {
namespace {

// Short enough that a cancel feels immediate.
constexpr std::chrono::milliseconds kCancelCheck{50};

}  // namespace

bool SteadySettleClock::WaitUntil(TimePoint deadline) {
  for (;;) {
    if (cancelled_ && cancelled_())
      return false;
    const TimePoint now = Now();
    if (now >= deadline)
      return true;
    std::this_thread::sleep_until(std::min(deadline, now + kCancelCheck));
  }
}

}  // namespace zelto::check
