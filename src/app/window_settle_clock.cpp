#include "app/window_settle_clock.h"

#include <QEventLoop>
#include <QTimer>

#include <utility>

namespace zelto::app {

bool WindowSettleClock::WaitUntil(TimePoint deadline) {
  if (cancelled_)
    return false;
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
