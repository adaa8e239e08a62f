#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWindow>

#include <chrono>
#include <memory>
#include <utility>
#include <vector>

namespace zelto::app {

// The windows while a handler waits on the device. Once a wait has lasted long enough to be
// noticed, the busy cursor shows until the handler returns, and the windows are kept painted
// (their status texts and progress bars included) and follow the window system. Nothing else
// gets through meanwhile, so no handler runs inside another: user input is held for
// afterwards, a timer tick is dropped (its timer comes again), and a window closed meanwhile
// closes once the handler has returned.
class BusyWhileWaiting final : public QObject {
 public:
  explicit BusyWhileWaiting(std::chrono::milliseconds noticedAfter) : noticedAfter_(noticedAfter) {}
  ~BusyWhileWaiting() override;
  BusyWhileWaiting(const BusyWhileWaiting&) = delete;
  BusyWhileWaiting& operator=(const BusyWhileWaiting&) = delete;

  // From the link's port: a wait has lasted this long so far.
  void Waiting(std::chrono::milliseconds waited);
  // The handler has returned: the cursor goes back, and what was held is delivered.
  void HandlerEnded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Paints the windows and takes the window system's own events, nothing of the user's.
  void KeepPainted();

  std::chrono::milliseconds noticedAfter_;
  bool busy_ = false;
  bool painting_ = false;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> heldInput_;
  std::vector<QPointer<QWindow>> closedMeanwhile_;
};

}  // namespace zelto::app
