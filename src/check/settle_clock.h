#pragma once

#include <chrono>
#include <functional>

namespace zelto::check {

// The time a check waits by, taken as a value so that the window keeps its events running while
// it waits, and a test runs a check of many seconds in none.
class SettleClock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;

  virtual ~SettleClock() = default;
  virtual TimePoint Now() const = 0;
  // Returns at the deadline, or false sooner when the user has cancelled the check.
  virtual bool WaitUntil(TimePoint deadline) = 0;
};

// The steady clock, waiting on the calling thread; `cancelled` is asked every few tens of
// milliseconds while it waits.
class SteadySettleClock final : public SettleClock {
 public:
  explicit SteadySettleClock(std::function<bool()> cancelled = {})
      : cancelled_(std::move(cancelled)) {}

  TimePoint Now() const override { return std::chrono::steady_clock::now(); }
  bool WaitUntil(TimePoint deadline) override;

 private:
  std::function<bool()> cancelled_;
};

}  // namespace zelto::check
