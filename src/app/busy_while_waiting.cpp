#include "app/busy_while_waiting.h"

#include <QApplication>
#include <QCursor>

namespace zelto::app {
namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
      return true;
    default:
      return false;
  }
}

}  // namespace

BusyWhileWaiting::~BusyWhileWaiting() {
  if (busy_)
    QApplication::restoreOverrideCursor();
}

void BusyWhileWaiting::Waiting(std::chrono::milliseconds waited) {
  if (painting_)
    return;  // no round of painting inside another, should anything painted wait on a device
  if (!busy_) {
    if (waited < noticedAfter_)
      return;
    busy_ = true;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
  KeepPainted();
}

void BusyWhileWaiting::KeepPainted() {
  painting_ = true;
  qApp->installEventFilter(this);
  // The window system keeps the user's input queued under these flags; what reaches the
  // application's queue otherwise is held by the filter.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                  QEventLoop::ExcludeSocketNotifiers |
                                  QEventLoop::X11ExcludeTimers);
  qApp->removeEventFilter(this);
  painting_ = false;
}

void BusyWhileWaiting::HandlerEnded() {
  if (std::exchange(busy_, false))
    QApplication::restoreOverrideCursor();
  for (auto& [receiver, event] : std::exchange(heldInput_, {})) {
    if (receiver)
      QCoreApplication::postEvent(receiver, event.release());
  }
  for (const QPointer<QWindow>& window : std::exchange(closedMeanwhile_, {})) {
    if (window)
      QMetaObject::invokeMethod(
          window, [window] { window->close(); }, Qt::QueuedConnection);
  }
}

bool BusyWhileWaiting::eventFilter(QObject* watched, QEvent* event) {
  if (!painting_)
    return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::Timer)
    return true;
  if (IsUserInput(type)) {
    heldInput_.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
    return true;
  }
  // The window manager's close button: refused now, done afterwards.
  if (type == QEvent::Close && event->spontaneous() && watched->isWindowType()) {
    closedMeanwhile_.emplace_back(static_cast<QWindow*>(watched));
    event->ignore();
    return true;
  }
  return false;
}

}  // namespace zelto::app
