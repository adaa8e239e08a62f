#pragma once

// The output check's wizard in the window, against a simulated transmitter: the fixture that
// connects the window and opens the wizard, and the ways the user works its pages.
#include "app/check_wizard.h"
#include "app/check_wizard_pages.h"
#include "check/check_store.h"
#include "link/frame.h"
#include "window_test_support.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace zelto::app::testing {

// The messages Qt prints while `action` runs.
class QtMessages {
 public:
  QtMessages() { previous_ = qInstallMessageHandler(&QtMessages::Keep); }
  ~QtMessages() { qInstallMessageHandler(previous_); }
  QtMessages(const QtMessages&) = delete;
  QtMessages& operator=(const QtMessages&) = delete;

  static QStringList While(const std::function<void()>& action) {
    const QtMessages kept;
    Kept().clear();
    action();
    return Kept();
  }

 private:
  static QStringList& Kept() {
    static QStringList messages;
    return messages;
  }
  static void Keep(QtMsgType, const QMessageLogContext&, const QString& message) {
    Kept() << message;
  }
  QtMessageHandler previous_;
};

// Clicks a button of the wizard, which must be there to click.
inline void Click(CheckWizard& wizard, const char* button) {
  auto* control = Find<QPushButton>(wizard, button);
  ASSERT_TRUE(control->isVisible() && control->isEnabled()) << button;
  QTest::mouseClick(control, Qt::LeftButton);
}

// The data folder of the test's own, a configured transmitter of the model, the window
// connected to it, and its wizard once opened.
class WindowCheck : public ::testing::Test {
 protected:
  void Start(int model) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(data_.path()));
    on_.emplace(model);
    ASSERT_FALSE(Find<QAction>(Window(), "CheckOutput")->isEnabled());
    on_->Connect();
    ASSERT_TRUE(Find<QAction>(Window(), "CheckOutput")->isEnabled());
    on_->Click("WriteToCom");  // the window's own configuration, which the check reads back
    on_->sim.ClearRequests();
  }
  ~WindowCheck() override { qputenv("XDG_DATA_HOME", previous_); }

  TZelto& Window() { return on_->window; }
  sim::Simulator& Device() { return on_->sim; }

  CheckWizard& OpenWizard() {
    Find<QAction>(Window(), "CheckOutput")->trigger();
    auto* wizard = Window().findChild<CheckWizard*>();
    EXPECT_NE(wizard, nullptr);
    EXPECT_TRUE(wizard->isVisible());
    QApplication::setActiveWindow(wizard);
    return *wizard;
  }
  // The currents the configuration promises at the pass's points, as the table shows them.
  static std::vector<double> Expected(const CheckWizard& wizard) {
    const auto& table = *Find<QTableWidget>(wizard, "CheckTable");
    std::vector<double> expected;
    for (int row = 0; row < table.rowCount(); ++row)
      expected.push_back(
          table.item(row, kExpectedColumn)->text().replace(QLatin1Char(','), '.').toDouble());
    return expected;
  }
  static QString Page(const CheckWizard& wizard) {
    return Find<QStackedWidget>(wizard, "CheckPages")->currentWidget()->objectName();
  }
  static QString StatusOf(const CheckWizard& wizard) {
    return Find<QLabel>(wizard, "CheckStatus")->text();
  }
  std::vector<check::CheckRecord> Kept() const { return check::CheckStore().List().records; }
  bool AnyWordWritten() const {
    const auto requests = on_->sim.Requests();
    return std::any_of(requests.begin(), requests.end(), [](const Frame& request) {
      return request[kCommandOffset] == static_cast<std::uint8_t>(Command::CmdWriteWord);
    });
  }

 private:
  QTemporaryDir data_;
  QByteArray previous_ = qgetenv("XDG_DATA_HOME");
  std::optional<OnSimulator> on_;
};

}  // namespace zelto::app::testing
