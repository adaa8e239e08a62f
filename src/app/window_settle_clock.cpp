#include "app/window_settle_clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <utility>

namespace zelto::app {

bool WindowSettleClock::WaitUntil(TimePoint deadline) {
  if (cancelled_)
    return false;
  if (skipWaits_) {
    // As a real wait, one already due is no wait: it only looks for a cancel.
    if (deadline <= Now())
      return true;
    skipped_ += deadline - Now();
    QCoreApplication::processEvents();
    skipWaits_();
    return !cancelled_;
  }
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Now());
  if (left.count() <= 0)
    return true;
  QEventLoop loop;
  QTimer::singleShot(left, &loop, &QEventLoop::quit);
  QEventLoop* outer = std::exchange(loop_, &loop);
  loop.exec();
  loop_ = outer;
  return !cancelled_;
}

void WindowSettleClock::Cancel() {
  cancelled_ = true;
  if (loop_ != nullptr)
    loop_->quit();
}

}  // namespace zelto::app
