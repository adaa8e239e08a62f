#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace zelto::app {

// Runs the last steps of a window's start (the serial-port scan, which goes through udev and
// /sys) once its first frame is on the screen, so that the user sees the window without
// waiting for them; or, should input come sooner, before that input reaches any widget. It
// runs them once and then stays out of the way.
class StartFinisher final : public QObject {
 public:
  StartFinisher(QWidget& window, std::function<void()> finish);
  ~StartFinisher() override;
  StartFinisher(const StartFinisher&) = delete;
  StartFinisher& operator=(const StartFinisher&) = delete;

  // Runs the steps now unless they have run.
  void Finish();
  bool Finished() const { return finished_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  std::function<void()> finish_;
  bool finished_ = false;
  bool queued_ = false;
};

}  // namespace zelto::app
