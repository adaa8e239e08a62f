#include "app/start_finisher.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zelto::app {
namespace {

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

}  // namespace

StartFinisher::StartFinisher(QWidget& window, std::function<void()> finish)
    : window_(window), finish_(std::move(finish)) {
  // The window's own paint event belongs to its first frame; the application's filter sees
  // input before any widget does.
  window_.installEventFilter(this);
  qApp->installEventFilter(this);
}

StartFinisher::~StartFinisher() {
  qApp->removeEventFilter(this);
}

void StartFinisher::Finish() {
  if (finished_)
    return;
  finished_ = true;
  qApp->removeEventFilter(this);
  window_.removeEventFilter(this);
  finish_();
}

bool StartFinisher::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Paint && !queued_) {
    // Painted now, on the screen once this frame is flushed: the posted call runs after that.
    queued_ = true;
    QTimer::singleShot(0, this, [this] { Finish(); });
  } else if (IsInput(event->type())) {
    Finish();
  }
  return false;
}

}  // namespace zelto::app
