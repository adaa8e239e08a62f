// The output check in the window, with a meter read by hand: the wizard by mouse and by keyboard
// against a simulated transmitter, its verdicts, a cancel half-way, the correction between the
// passes, the menu item that waits for a device, and the log of the checks kept.
#include "check/check_texts.h"
#include "files/file_outcome.h"
#include "link/status_translation.h"
#include "window_check_support.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace zelto::app {
namespace {

using testing::Click;
using testing::Find;
using testing::kDastra2;
using testing::kVelmor;
using testing::WindowCheck;

// Types each current as the user reads it off the meter, with the decimal comma, and takes it.
void TypeByMouse(CheckWizard& wizard, const std::vector<double>& currents) {
  for (const double current : currents) {
    auto* field = Find<QLineEdit>(wizard, "CheckTypedCurrent");
    QTest::keyClicks(field, QString::number(current, 'f', 4).replace('.', ','));
    Click(wizard, "CheckTake");
  }
}

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

// The table's cells of the measured points, as the record's own texts give them.
void ExpectTheRecordsTexts(const QTableWidget& table,
                           const std::vector<check::MeasuredPoint>& points) {
  ASSERT_EQ(table.rowCount(), static_cast<int>(points.size()));
  for (int row = 0; row < table.rowCount(); ++row) {
    const check::MeasuredPoint& point = points[static_cast<std::size_t>(row)];
    ASSERT_TRUE(point.measured.has_value());
    EXPECT_EQ(table.item(row, kPercentColumn)->text(), check::PercentText(point.point.percent));
    EXPECT_EQ(table.item(row, kExpectedColumn)->text(), check::CurrentText(point.point.expected));
    EXPECT_EQ(table.item(row, kMeasuredColumn)->text(), check::CurrentText(*point.measured));
    EXPECT_EQ(table.item(row, kErrorColumn)->text(), check::ErrorText(point.error));
    EXPECT_EQ(table.item(row, kResultColumn)->text(), check::PointResultText(point.result));
  }
}

TEST_F(WindowCheck, TypedCurrentsOnTheExpectedValuesPassByMouse) {
  Start(kDastra2);
  CheckWizard* opened = nullptr;
  const QStringList messages = testing::QtMessages::While([&] { opened = &OpenWizard(); });
  EXPECT_FALSE(messages.join('\n').contains("setTabOrder")) << messages.join('\n').toStdString();
  CheckWizard& wizard = *opened;
  Find<QLineEdit>(wizard, "CheckTag")->setText(QStringLiteral("TT-101"));
  Click(wizard, "CheckNext");
  ASSERT_EQ(Page(wizard), "CheckPassPage")
      << Find<QLabel>(wizard, "CheckStatus")->text().toStdString();
  EXPECT_TRUE(Find<QLabel>(wizard, "CheckUnit")->text().startsWith("Dastra-2, ПО "))
      << Find<QLabel>(wizard, "CheckUnit")->text().toStdString();
  const auto& table = *Find<QTableWidget>(wizard, "CheckTable");
  EXPECT_EQ(table.rowCount(), 5);
  // The prompt and the row follow the point the page waits for.
  std::vector<double> currents = Expected(wizard);
  currents[0] -= 0.0001;  // a hair below: an error too small to show, and so without a sign
  for (int row = 0; row < table.rowCount(); ++row) {
    EXPECT_EQ(Find<QLabel>(wizard, "CheckPrompt")->text(),
              "Подайте " + table.item(row, kSignalColumn)->text());
    const auto selected = table.selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), row);
    TypeByMouse(wizard, {currents[static_cast<std::size_t>(row)]});
  }
  EXPECT_EQ(table.item(0, kErrorColumn)->text(), "0,00");
  EXPECT_EQ(table.item(4, kResultColumn)->text(), "в допуске");
  ExpectTheRecordsTexts(table, wizard.Record()->asFound);
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
  // The error has its sign, as in the record's lines and its report.
  EXPECT_EQ(Find<QTableWidget>(wizard, "CheckTable")->item(2, kErrorColumn)->text(), "+0,40");
  ExpectTheRecordsTexts(*Find<QTableWidget>(wizard, "CheckTable"), wizard.Record()->asFound);
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

// The verdict's lines fit the page at the wizard's own size: they wrap rather than scroll aside.
void ExpectNoSidewaysScrolling(CheckWizard& wizard) {
  QApplication::processEvents();
  auto* summary = Find<QPlainTextEdit>(wizard, "CheckSummary");
  EXPECT_GT(summary->toPlainText().size(), 0);
  EXPECT_EQ(summary->horizontalScrollBar()->maximum(), 0);
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
  ExpectNoSidewaysScrolling(wizard);
  Click(wizard, "CheckAdjust");
  ASSERT_EQ(Page(wizard), "CheckPassPage")
      << Find<QLabel>(wizard, "CheckStatus")->text().toStdString();
  EXPECT_EQ(StatusOf(wizard), "") << "the write's words stay with the as-found pass";
  EXPECT_TRUE(AnyWordWritten());
  EXPECT_EQ(Find<QLabel>(wizard, "CheckPassTitle")->text(), "После подстройки");
  Device().ClearRequests();
  TypeByMouse(wizard, expected);
  Click(wizard, "CheckNext");
  EXPECT_FALSE(Find<QPushButton>(wizard, "CheckAdjust")->isVisible());
  EXPECT_TRUE(
      Find<QLabel>(wizard, "CheckAdjustment")->text().startsWith("Подстройка: Au 1 → 0,99"));

  Picture(wizard, "as-left-verdict");
  ExpectNoSidewaysScrolling(wizard);
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
  // The save's outcome shows in the wizard's own status line, not only in the window's under it.
  QTemporaryDir folder;
  const QString fromWizard = folder.filePath(QStringLiteral("wizard.pdf"));
  QStringList answers{folder.filePath(QStringLiteral("missing/check.pdf")), fromWizard};
  testing::AnswerFileDialogs(Window(), answers);
  Click(wizard, "CheckSaveReport");
  EXPECT_EQ(StatusOf(wizard),
            TranslateStatus(files::FileFailureStatus(files::FileOutcome::kCannotOpen)));
  EXPECT_EQ(StatusOf(wizard), testing::Status(Window()));
  Click(wizard, "CheckSaveReport");
  EXPECT_EQ(StatusOf(wizard), "Файл записан");
  EXPECT_GT(QFileInfo(fromWizard).size(), 0);
  Click(wizard, "CheckClose");

  // A unit corrected on the way to its verdict reads apart from one that passed outright.
  check::CheckRecord corrected = Kept().front();
  corrected.tag = "TT-104";
  corrected.asLeft = corrected.asFound;
  corrected.asFound[2].result = check::PointResult::kFail;
  corrected.adjustment = check::Adjustment{{1.0f, 0.0f}, {0.996f, 0.0f}, {}};
  ASSERT_TRUE(check::CheckStore().Save(corrected));

  Find<QAction>(Window(), "CheckLog")->trigger();
  auto* log = Window().findChild<QDialog*>(QStringLiteral("CheckLog"));
  ASSERT_NE(log, nullptr);
  const auto& table = *Find<QTableWidget>(*log, "CheckLogTable");
  ASSERT_EQ(table.rowCount(), 2);
  std::map<QString, QString> outcomes;
  for (int row = 0; row < table.rowCount(); ++row) {
    EXPECT_EQ(table.item(row, 2)->text(), "Dastra-2");
    outcomes[table.item(row, 0)->text()] = table.item(row, 3)->text();
  }
  EXPECT_EQ(outcomes["TT-103"], "годен");
  EXPECT_EQ(outcomes["TT-104"], "не годен → подстроен → годен");
  const QString pdf = folder.filePath(QStringLiteral("check.pdf"));
  answers = {pdf};
  QTest::mouseClick(Find<QPushButton>(*log, "CheckLogSaveReport"), Qt::LeftButton);
  EXPECT_GT(QFileInfo(pdf).size(), 0);
  log->close();
}

}  // namespace
}  // namespace zelto::app
