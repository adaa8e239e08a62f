#include "app/zelto_form.h"
#include "config/record_validation.h"
#include "window_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

namespace zelto::app {
namespace {

using testing::Find;

class StandardWindow : public ::testing::Test {
 protected:
  StandardWindow() { window.show(); }
  TZelto window{"Velmor7"};
};

TEST_F(StandardWindow, StatusBarHasRoomForTheLongestStatus) {
  EXPECT_GE(Find<QLabel>(window, "StatusPanel3")->width(), 400);
}

TEST_F(StandardWindow, TheMemoKeepsTheNewestHundredThousandLines) {
  auto* memo = Find<QPlainTextEdit>(window, "InforF");
  QStringList lines;
  for (int i = 0; i < 100'010; ++i)
    lines << QString::number(i);
  memo->appendPlainText(lines.join('\n'));
  EXPECT_EQ(memo->blockCount(), 100'000);
  EXPECT_EQ(memo->document()->firstBlock().text(), "10");
}

TEST_F(StandardWindow, DeviceControlsWaitForAConnection) {
  for (const char* name : {"PanRange", "RangeMin", "ReadFromCom", "WriteToCom", "OpenDev"})
    EXPECT_FALSE(Find<QWidget>(window, name)->isEnabled()) << name;
  for (const char* name : {"Read", "Write"})
    EXPECT_FALSE(Find<QAction>(window, name)->isEnabled()) << name;
  EXPECT_TRUE(Find<QToolButton>(window, "Connect")->isEnabled());
}

// Each model's list offers exactly the sensors a record of it may hold.
TEST_F(StandardWindow, SensorListsMatchWhatARecordMayHold) {
  for (int model = 0; model < 3; ++model) {
    const std::string name = "TypeSensor_" + std::to_string(model);
    EXPECT_EQ(Find<QComboBox>(window, name.c_str())->count(), config::SensorListSize(model));
  }
}

TEST_F(StandardWindow, MenusHideWhatIsNotBuilt) {
  for (const char* hidden : {"Open", "Save", "SaveAs", "Print", "PrintSetup"}) {
    EXPECT_FALSE(Find<QAction>(window, hidden)->isVisible()) << hidden;
    EXPECT_FALSE(Find<QAction>(window, hidden)->isEnabled()) << hidden;
  }
  EXPECT_TRUE(Find<QAction>(window, "Exit")->isEnabled());
  EXPECT_FALSE(Find<QMenu>(window, "Edit1")->menuAction()->isVisible());
  EXPECT_FALSE(Find<QMenu>(window, "CalibrTuner")->menuAction()->isEnabled());
}

TEST_F(StandardWindow, NoTimerRunsBeforeItsCommand) {
  for (const char* name : {"TimerTest", "TimerMonitor", "TimeConnect", "Timer_Mgr", "Timer1"})
    EXPECT_FALSE(Find<QTimer>(window, name)->isActive()) << name;
}

TEST_F(StandardWindow, MemoLinesUpInColumns) {
  // Every character the dumps print takes the same width, Cyrillic included.
  const QFontMetrics metrics(Find<QPlainTextEdit>(window, "InforF")->font());
  const int width = metrics.horizontalAdvance(QStringLiteral("0000000000"));
  for (const QString& sample : {QStringLiteral("iiiiiiiiii"), QStringLiteral("WWWWWWWWWW"),
                                QStringLiteral(" .-,:=()+|"), QStringLiteral("ЖЖЖЖЖЖЖЖЖЖ")}) {
    EXPECT_EQ(metrics.horizontalAdvance(sample), width) << sample.toStdString();
  }
}

TEST_F(StandardWindow, EveryFieldAndListHasASpokenName) {
  const QWidget* form = window.centralWidget();  // the file dialogs bring their own names
  for (const auto* field : form->findChildren<QLineEdit*>()) {
    if (field->parent() != nullptr && qobject_cast<const QComboBox*>(field->parent()))
      continue;
    EXPECT_FALSE(field->accessibleName().isEmpty()) << field->objectName().toStdString();
  }
  for (const auto* list : form->findChildren<QComboBox*>()) {
    EXPECT_FALSE(list->accessibleName().isEmpty()) << list->objectName().toStdString();
  }
  EXPECT_EQ(Find<QLineEdit>(window, "CurrentMax")->accessibleName(), "Максимум, Выходной ток, мА");
}

TEST_F(StandardWindow, ExitClosesWithoutAsking) {
  Find<QPushButton>(window, "ExitButton")->click();
  EXPECT_FALSE(window.isVisible());
}

TEST(Dialogs, FiltersComeFromThePipeForm) {
  EXPECT_EQ(NameFiltersFromPipeList("Файлы конфигурации (*.cfg)|*.cfg|Все файлы (*.*)|*.*"),
            QStringList({"Файлы конфигурации (*.cfg)", "Все файлы (*.*)"}));
  EXPECT_EQ(NameFiltersFromPipeList("Binary files|*.bin"), QStringList({"Binary files (*.bin)"}));
  EXPECT_TRUE(NameFiltersFromPipeList("").isEmpty());

  // Built when first used, with the form's filter until a command sets its own.
  TZelto window;
  EXPECT_EQ(window.findChild<QFileDialog*>(), nullptr);
  QStringList cancel{QString()};
  testing::AnswerFileDialogs(window, cancel);
  window.OpenClick();
  EXPECT_EQ(Find<QFileDialog>(window, "OpenDialogEE")->nameFilters().size(), 2);
  window.WriteCalibrToFileClick();
  EXPECT_EQ(Find<QFileDialog>(window, "SaveDialogEE")->acceptMode(), QFileDialog::AcceptSave);
}

// The last net: an exception that a handler let through reaches the application's notify,
// which shows it and goes on. The window's own handlers catch theirs before that.
class ThrowingTarget final : public QObject {
 public:
  int calls = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User)
      return QObject::event(event);
    ++calls;
    throw std::runtime_error("'' is not a valid integer value");
  }
};

TEST(Errors, AnExceptionThatReachesTheEventLoopIsShownAndTheProgramGoesOn) {
  ThrowingTarget target;
  for (int round = 1; round <= 2; ++round) {
    testing::MessageBoxCatcher catcher;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    EXPECT_TRUE(catcher.Shown());
    EXPECT_EQ(catcher.Text(), "'' is not a valid integer value");
    EXPECT_EQ(target.calls, round);
  }
}

}  // namespace
}  // namespace zelto::app
