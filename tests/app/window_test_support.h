#pragma once

#include "../link/link_test_support.h"
#include "app/message_boxes.h"
#include "app/zelto.h"
#include "link/link.h"
#include "sim/simulator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zelto::app::testing {

// The models' places in the device list, and type K in each model's sensor list.
constexpr int kDastra2 = 1;
constexpr int kVelmor = 2;
constexpr int kTypeK = 11;

// Only the given ports, none of the machine's, on the short test time-outs.
inline LinkSetup WithPorts(std::vector<ExtraPort> ports) {
  return {std::move(ports), zelto::testing::kTestTimeouts,
          [] { return std::vector<SystemPort>{}; }};
}

// A simulated transmitter as the only port.
inline LinkSetup WithSimulator(const sim::Simulator& sim) {
  return WithPorts({{sim.Path(), "simulator"}});
}

// Finds a control by its name and fails the test when there is none.
template <class Control>
Control* Find(const QWidget& window, const char* name) {
  auto* control = window.findChild<Control*>(QLatin1String(name));
  EXPECT_NE(control, nullptr) << "no control named " << name;
  return control;
}

// What status panel 3 says.
inline QString Status(const QWidget& window) {
  return Find<QLabel>(window, "StatusPanel3")->text();
}

// The texts of the eight value fields: range, output currents, T1 and I1, T2 and I2.
inline QStringList FieldTexts(const QWidget& window) {
  QStringList texts;
  for (const char* name : {"RangeMin", "RangeMax", "CurrentMin", "CurrentMax", "SetZero",
                           "SchiftZero", "SetFull", "SchiftFull"})
    texts << Find<QLineEdit>(window, name)->text();
  return texts;
}

// Opens the port and connects the device with the two tool buttons, as the user does.
inline void ConnectDevice(const QWidget& window) {
  for (const char* button : {"Connect", "OpenDev"})
    QTest::mouseClick(Find<QAbstractButton>(window, button), Qt::LeftButton);
}

// Shows the service view, as its two hot keys do.
inline void ShowServiceView(TZelto& window) {
  window.ApplicationEvents1Message(13);
  window.ApplicationEvents1Message(12);
}

// Tabs into the field, which selects its text, types over it and commits with Enter.
inline void TypeAndEnter(const QWidget& window, const char* field, const QString& text) {
  auto* edit = Find<QLineEdit>(window, field);
  edit->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Keeps what the window would have shown in message boxes, in order.
// A question is recorded too, and answered with `go` unless the test said otherwise; a choice
// is recorded with its choices, a line each, and answered with the choice `pick` (or "Отмена"
// when the answer is no).
class RecordedMessages final : public MessageBoxes {
 public:
  explicit RecordedMessages(QStringList& shown, bool answer = true, int pick = 0)
      : shown_(shown), answer_(answer), pick_(pick) {}
  void ShowError(const QString& text) override { shown_ << text; }
  bool Confirm(const QString& text, const QString&) override {
    shown_ << text;
    return answer_;
  }
  std::optional<int> Choose(const QString& text, const QStringList& choices,
                            const QString&) override {
    shown_ << text + QLatin1Char('\n') + choices.join(QLatin1Char('\n'));
    return answer_ ? std::optional<int>(pick_) : std::nullopt;
  }

 private:
  QStringList& shown_;
  bool answer_;
  int pick_;
};

// Replaces the window's message boxes by a record of their texts.
inline void RecordMessages(TZelto& window, QStringList& shown, bool answer = true, int pick = 0) {
  window.SetMessageBoxes(std::make_unique<RecordedMessages>(shown, answer, pick));
}

// Answers the window's file dialogs from a list, in order; an empty answer is a cancel.
class ChosenFiles final : public FileChoice {
 public:
  explicit ChosenFiles(QStringList& answers) : answers_(answers) {}
  std::optional<QString> Choose(QFileDialog&) override {
    if (answers_.isEmpty())
      return std::nullopt;
    const QString answer = answers_.takeFirst();
    return answer.isEmpty() ? std::nullopt : std::optional(answer);
  }

 private:
  QStringList& answers_;
};

inline void AnswerFileDialogs(TZelto& window, QStringList& answers) {
  window.SetFileChoice(std::make_unique<ChosenFiles>(answers));
}

// Picks an entry of a list as the user does, which is what the handlers listen to.
inline void Pick(QComboBox& list, int index) {
  list.setCurrentIndex(index);
  emit list.activated(index);
}

// A window with a simulated transmitter of the model as its only port and that model chosen,
// its message boxes recorded and its file dialogs answered from a list.
class OnSimulator {
 public:
  explicit OnSimulator(int model = kVelmor) : sim(model), window("Velmor7", WithSimulator(sim)) {
    RecordMessages(window, shown);
    AnswerFileDialogs(window, answers);
    window.show();
    QApplication::setActiveWindow(&window);  // the fields take the focus as the user moves it
    if (model != kVelmor)
      Pick(*Find<QComboBox>(window, "TypeDevice"), model);
  }

  void Connect() {
    ConnectDevice(window);
    ASSERT_TRUE(window.Link().IsDeviceConnected()) << Status().toStdString();
  }
  void Click(const char* button) {
    QTest::mouseClick(Find<QAbstractButton>(window, button), Qt::LeftButton);
  }
  void Type(const char* field, const QString& text) { TypeAndEnter(window, field, text); }
  QString Status() const { return testing::Status(window); }
  QString File(const char* name) const { return files.filePath(QLatin1String(name)); }

  sim::Simulator sim;
  TZelto window;
  QStringList shown;
  QStringList answers;
  QTemporaryDir files;
};

// Closes the next modal message box once it shows and keeps its text. It keeps looking, since
// input sent by QTest runs the event loop before the box comes. As on a desktop whose window
// manager activates the window behind a box only after it has gone, no window is active then.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher() {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        poll_.stop();
        text_ = box->text();
        shown_ = true;
        box->done(QMessageBox::Ok);
      }
    });
    poll_.start(0);
  }
  bool Shown() const { return shown_; }
  const QString& Text() const { return text_; }

 private:
  QTimer poll_;  // stops looking when the catcher goes
  bool shown_ = false;
  QString text_;
};

}  // namespace zelto::app::testing
