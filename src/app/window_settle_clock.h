#pragma once

#include "check/settle_clock.h"

#include <functional>

class QEventLoop;

namespace zelto::app {

// The time a check waits by in the window: while it waits for a point to settle, the window
// keeps running its events, so that the readings are painted as they come and the wizard's
// Cancel is seen. The handler gate keeps any other handler from starting meanwhile.
class WindowSettleClock final : public check::SettleClock {
 public:
  TimePoint Now() const override { return std::chrono::steady_clock::now() + skipped_; }
  bool WaitUntil(TimePoint deadline) override;

  // The user cancelled: the wait under way ends now, and every later one at once.
  void Cancel();
  bool Cancelled() const { return cancelled_; }

  // Each wait not yet due moves the clock on to its deadline at once instead: the window's
  // events run and then `waiting`, as they would while it waited. A check of many seconds takes
  // none, and a test acts (reads the wizard, cancels) where the user would.
  void SkipWaits(std::function<void()> waiting) { skipWaits_ = std::move(waiting); }

 private:
  bool cancelled_ = false;
  QEventLoop* loop_ = nullptr;  // the wait under way
  std::function<void()> skipWaits_;
  // How far the skipped waits have moved the clock on.
  std::chrono::steady_clock::duration skipped_{0};
};

}  // namespace zelto::app
