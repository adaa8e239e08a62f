#pragma once

#include "check/settle_clock.h"

class QEventLoop;

namespace zelto::app {

// The time a check waits by in the window: while it waits for a point to settle, the window
// keeps running its events, so that the readings are painted as they come and the wizard's
// Cancel is seen. The handler gate keeps any other handler from starting meanwhile.
class WindowSettleClock final : public check::SettleClock {
 public:
  TimePoint Now() const override { return std::chrono::steady_clock::now(); }
  bool WaitUntil(TimePoint deadline) override;

  // The user cancelled: the wait under way ends now, and every later one at once.
  void Cancel();
  bool Cancelled() const { return cancelled_; }

 private:
  bool cancelled_ = false;
  QEventLoop* loop_ = nullptr;  // the wait under way
};

}  // namespace zelto::app
