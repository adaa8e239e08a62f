// The output check in the window, with a meter read by hand: the wizard by mouse and by keyboard
// against a simulated transmitter, its verdicts, a cancel half-way, the correction between the
// passes, the menu item that waits for a device, and the log of the checks kept.
#include "app/check_wizard.h"
#include "app/check_wizard_pages.h"
#include "check/check_store.h"
#include "link/frame.h"
#include "window_test_support.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

namespace zelto::app {
namespace {

using testing::Find;
using testing::kDastra2;
using testing::kVelmor;

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
  void Click(CheckWizard& wizard, const char* button) {
    auto* control = Find<QPushButton>(wizard, button);
    ASSERT_TRUE(control->isVisible() && control->isEnabled()) << button;
    QTest::mouseClick(control, Qt::LeftButton);
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
  // Types each current as the user reads it off the meter, with the decimal comma, and takes it.
  void TypeByMouse(CheckWizard& wizard, const std::vector<double>& currents) {
    for (const double current : currents) {
      auto* field = Find<QLineEdit>(wizard, "CheckTypedCurrent");
      QTest::keyClicks(field, QString::number(current, 'f', 4).replace('.', ','));
      Click(wizard, "CheckTake");
    }
  }
  static QString Page(const CheckWizard& wizard) {
    return Find<QStackedWidget>(wizard, "CheckPages")->currentWidget()->objectName();
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
  std::optional<testing::OnSimulator> on_;
};

// Alt and a label's letter, as the user presses them on a Russian keyboard.
void AltLetter(QWidget& wizard, int key, const QString& letter) {
  QTest::sendKeyEvent(QTest::Click, &wizard, Qt::Key(key), letter, Qt::AltModifier);
}

// Every point off by its share of a gain error of the unit: 0.4 % of span at the top.
std::vector<double> WithGainError(const std::vector<double>& expected) {
  std::vector<double> currents;
  for (const double current : expected)
    currents.push_back(4.0 + (current - 4.0) * 1.004);
  return currents;
}

TEST_F(WindowCheck, TypedCurrentsOnTheExpectedValuesPassByMouse) {
  Start(kDastra2);
  CheckWizard& wizard = OpenWizard();
  Find<QLineEdit>(wizard, "CheckTag")->setText(QStringLiteral("TT-101"));
  Click(wizard, "CheckNext");
  ASSERT_EQ(Page(wizard), "CheckPassPage")
      << Find<QLabel>(wizard, "CheckStatus")->text().toStdString();
  EXPECT_EQ(Find<QTableWidget>(wizard, "CheckTable")->rowCount(), 5);
  EXPECT_TRUE(Find<QLabel>(wizard, "CheckPrompt")->text().startsWith(QStringLiteral("Подайте ")));
  TypeByMouse(wizard, Expected(wizard));
  EXPECT_EQ(Find<QTableWidget>(wizard, "CheckTable")->item(4, kResultColumn)->text(), "в допуске");
  Click(wizard, "CheckNext");
  ASSERT_EQ(Page(wizard), "CheckVerdictPage");
  EXPECT_TRUE(Find<QPushButton>(wizard, "CheckAdjust")->isVisible());
  Click(wizard, "CheckClose");

  const auto kept = Kept();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].tag, "TT-101");
  EXPECT_EQ(kept[0].result, check::CheckResult::kPass);
  EXPECT_EQ(kept[0].asFound.size(), 5u);
  EXPECT_FALSE(AnyWordWritten());
}

TEST_F(WindowCheck, TypedCurrentsOutOfToleranceFailByKeyboard) {
  Start(kDastra2);
  CheckWizard& wizard = OpenWizard();
  // The fields from the keyboard: the tag has the focus, Alt+Т reaches the points.
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("TT-102"));
  AltLetter(wizard, 0x0422, QStringLiteral("т"));
  ASSERT_EQ(QApplication::focusWidget(), Find<QLineEdit>(wizard, "CheckPoints"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0; 50; 100"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // "Начать"
  ASSERT_EQ(Page(wizard).toStdString(), "CheckPassPage")
      << Find<QLabel>(wizard, "CheckStatus")->text().toStdString() << "|"
      << Find<QLineEdit>(wizard, "CheckPoints")->text().toStdString() << "|"
      << Find<QLineEdit>(wizard, "CheckTag")->text().toStdString();
  for (const double current : WithGainError(Expected(wizard))) {
    ASSERT_EQ(QApplication::focusWidget(), Find<QLineEdit>(wizard, "CheckTypedCurrent"));
    QTest::keyClicks(QApplication::focusWidget(),
                     QString::number(current, 'f', 4).replace('.', ','));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  ASSERT_EQ(QApplication::focusWidget(), Find<QPushButton>(wizard, "CheckNext"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  ASSERT_EQ(Page(wizard), "CheckVerdictPage");
  EXPECT_EQ(Find<QLabel>(wizard, "CheckVerdict")->text(), "До подстройки: не годен");
  // From "Подстроить", past "Сохранить протокол…", to "Готово".
  ASSERT_EQ(QApplication::focusWidget(), Find<QPushButton>(wizard, "CheckAdjust"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Find<QPushButton>(wizard, "CheckClose"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

  const auto kept = Kept();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].result, check::CheckResult::kFail);
  EXPECT_EQ(kept[0].asFound[2].result, check::PointResult::kFail);
  EXPECT_EQ(kept[0].asFound[0].result, check::PointResult::kPass);
  EXPECT_FALSE(AnyWordWritten());
}

TEST_F(WindowCheck, CancelHalfWayKeepsThePointsMeasuredAndWritesNothing) {
  Start(kDastra2);
  CheckWizard& wizard = OpenWizard();
  Click(wizard, "CheckNext");
  const std::vector<double> expected = Expected(wizard);
  TypeByMouse(wizard, {expected[0], expected[1]});
  Click(wizard, "CheckCancel");
  EXPECT_FALSE(wizard.isVisible());

  const auto kept = Kept();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].result, check::CheckResult::kCancelled);
  EXPECT_EQ(kept[0].stopped, check::CheckStop::kUser);
  EXPECT_EQ(kept[0].asFound.size(), 2u);
  EXPECT_FALSE(AnyWordWritten());
}

// With ZELTO_CHECK_PICTURES naming a folder, the wizard's pages are kept there as pictures, to be
// looked at in both languages.
void Picture(QWidget& wizard, const char* name) {
  const QString folder = qEnvironmentVariable("ZELTO_CHECK_PICTURES");
  if (folder.isEmpty())
    return;
  wizard.grab().save(QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png")));
}

TEST_F(WindowCheck, AdjustCorrectsTheUnitAndTheAsLeftPassPasses) {
  Start(kDastra2);
  CheckWizard& wizard = OpenWizard();
  Picture(wizard, "setup");
  Click(wizard, "CheckNext");
  const std::vector<double> expected = Expected(wizard);
  TypeByMouse(wizard, WithGainError(expected));
  Picture(wizard, "as-found");
  Click(wizard, "CheckNext");
  Picture(wizard, "verdict");
  Click(wizard, "CheckAdjust");
  ASSERT_EQ(Page(wizard), "CheckPassPage")
      << Find<QLabel>(wizard, "CheckStatus")->text().toStdString();
  EXPECT_TRUE(AnyWordWritten());
  EXPECT_EQ(Find<QLabel>(wizard, "CheckPassTitle")->text(), "После подстройки");
  Device().ClearRequests();
  TypeByMouse(wizard, expected);
  Click(wizard, "CheckNext");
  EXPECT_FALSE(Find<QPushButton>(wizard, "CheckAdjust")->isVisible());
  EXPECT_TRUE(
      Find<QLabel>(wizard, "CheckAdjustment")->text().startsWith("Подстройка: Au 1 → 0,99"));

  Picture(wizard, "as-left-verdict");
  const auto kept = Kept();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].result, check::CheckResult::kPass);
  ASSERT_TRUE(kept[0].adjustment.has_value());
  EXPECT_FALSE(kept[0].adjustment->backup.empty());
  ASSERT_TRUE(kept[0].asLeft.has_value());
  EXPECT_EQ(kept[0].asLeft->size(), 5u);
  EXPECT_FALSE(AnyWordWritten());
  Click(wizard, "CheckClose");
}

TEST_F(WindowCheck, VelmorHasNoCorrectionStep) {
  Start(kVelmor);
  CheckWizard& wizard = OpenWizard();
  Click(wizard, "CheckNext");
  ASSERT_EQ(Page(wizard), "CheckPassPage")
      << Find<QLabel>(wizard, "CheckStatus")->text().toStdString();
  TypeByMouse(wizard, Expected(wizard));
  Click(wizard, "CheckNext");
  EXPECT_FALSE(Find<QPushButton>(wizard, "CheckAdjust")->isVisible());
  EXPECT_EQ(Kept().size(), 1u);  // kept as soon as the verdict is final
  Click(wizard, "CheckClose");
}

TEST_F(WindowCheck, TheLogListsTheKeptCheckAndSavesItsReport) {
  Start(kDastra2);
  CheckWizard& wizard = OpenWizard();
  Find<QLineEdit>(wizard, "CheckTag")->setText(QStringLiteral("TT-103"));
  Click(wizard, "CheckNext");
  TypeByMouse(wizard, Expected(wizard));
  Click(wizard, "CheckNext");
  Click(wizard, "CheckClose");

  Find<QAction>(Window(), "CheckLog")->trigger();
  auto* log = Window().findChild<QDialog*>(QStringLiteral("CheckLog"));
  ASSERT_NE(log, nullptr);
  const auto& table = *Find<QTableWidget>(*log, "CheckLogTable");
  ASSERT_EQ(table.rowCount(), 1);
  EXPECT_EQ(table.item(0, 0)->text(), "TT-103");
  EXPECT_EQ(table.item(0, 3)->text(), "годен");
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("check.pdf"));
  QStringList answers{pdf};
  testing::AnswerFileDialogs(Window(), answers);
  QTest::mouseClick(Find<QPushButton>(*log, "CheckLogSaveReport"), Qt::LeftButton);
  EXPECT_GT(QFileInfo(pdf).size(), 0);
  log->close();
}

}  // namespace
}  // namespace zelto::app
