#pragma once

#include "app/zelto.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace zelto::app::testing {

// Finds a control by its name and fails the test when there is none.
template <class Control>
Control* Find(const QWidget& window, const char* name) {
  auto* control = window.findChild<Control*>(QLatin1String(name));
  EXPECT_NE(control, nullptr) << "no control named " << name;
  return control;
}

// Closes the next modal message box once it shows, and hands back its text; for code that
// reports through a modal box, which would otherwise wait for a user.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher() {
    QTimer::singleShot(0, &guard_, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text_ = box->text();
        shown_ = true;
        box->done(QMessageBox::Ok);
      }
    });
  }
  bool Shown() const { return shown_; }
  const QString& Text() const { return text_; }

 private:
  QObject guard_;  // cancels the wait when the catcher goes first
  bool shown_ = false;
  QString text_;
};

}  // namespace zelto::app::testing
