#include "app/port_combo_box.h"
#include "window_test_support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace zelto::app {
namespace {

using testing::Find;
using testing::Status;

using testing::kVelmor;

class Commands : public ::testing::Test, public testing::OnSimulator {};

TEST_F(Commands, WritesWithoutAConnectedDeviceSendNothing) {
  Click("Connect");
  ASSERT_EQ(Status(), "Порт открыт");
  sim.ClearRequests();
  // The write button waits for a device; the correction page's buttons are always there.
  EXPECT_FALSE(Find<QPushButton>(window, "WriteToCom")->isEnabled());
  window.WriteToComClick();
  EXPECT_EQ(Status(), "Прибор не подключен");
  for (const char* button : {"WriteUser", "WriteFabric"}) {
    Find<QLabel>(window, "StatusPanel3")->clear();
    Find<QPushButton>(window, button)->click();
    EXPECT_EQ(Status(), "Прибор не подключен") << button;
  }
  EXPECT_TRUE(sim.Requests().empty());
}

TEST_F(Commands, TheBusyCursorShowsWhileACommandTalksToTheDeviceAndNotForATimerTick) {
  Connect();
  // The memo grows while the exchanges run; what the cursor is then is what the user sees.
  QStringList cursors;
  QObject::connect(Find<QPlainTextEdit>(window, "InforF"), &QPlainTextEdit::textChanged, [&] {
    const QCursor* cursor = QApplication::overrideCursor();
    cursors << (cursor != nullptr && cursor->shape() == Qt::WaitCursor ? "busy" : "normal");
  });

  Click("ReadFromCom");
  ASSERT_FALSE(cursors.isEmpty());
  EXPECT_FALSE(cursors.contains("normal"));
  Find<QAction>(window, "Read")->trigger();
  EXPECT_FALSE(cursors.contains("normal"));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  cursors.clear();
  testing::ShowServiceView(window);
  Click("FF");  // the poll's lines show
  QMetaObject::invokeMethod(Find<QTimer>(window, "TimerMonitor"), "timeout");
  ASSERT_FALSE(cursors.isEmpty());
  EXPECT_FALSE(cursors.contains("busy"));
}

// A machine whose serial devices the test decides, with the window started before any.
class PortsThatComeAndGo : public ::testing::Test {
 protected:
  PortsThatComeAndGo() {
    testing::RecordMessages(window, shown);
    window.show();
    window.FinishStart();
  }

  PortComboBox* Ports() const { return Find<PortComboBox>(window, "SetComN"); }
  void Open() { QTest::mouseClick(Find<QToolButton>(window, "Connect"), Qt::LeftButton); }
  void TypePort(const char* text) {
    Ports()->lineEdit()->selectAll();
    QTest::keyClicks(Ports()->lineEdit(), text);
  }
  // The second adapter plugged in, and the list opened and closed, which scans again.
  void PlugInSecond() {
    present.push_back({second.Path(), "second"});
    Ports()->showPopup();
    Ports()->hidePopup();
  }
  void ExpectSecondOpen() {
    EXPECT_EQ(Status(window), "Порт открыт");
    EXPECT_EQ(window.Link().State().PortNo, 2);
  }

  sim::Simulator first{kVelmor};
  sim::Simulator second{kVelmor};
  std::vector<SystemPort> present{{first.Path(), "first"}};
  TZelto window{"Velmor7", {{}, zelto::testing::kTestTimeouts, [this] { return present; }}};
  QStringList shown;
};

TEST_F(PortsThatComeAndGo, OpeningTheListShowsANewAdapterAndKeepsTheChoice) {
  ASSERT_EQ(Ports()->count(), 1);
  PlugInSecond();
  ASSERT_EQ(Ports()->count(), 2);
  EXPECT_EQ(Ports()->itemText(1), "COM2");
  EXPECT_EQ(Ports()->currentText(), "COM1");
  testing::Pick(*Ports(), 1);
  Open();
  ExpectSecondOpen();
}

// An adapter plugged in after the last scan opens by its number typed (the link's own tests).
TEST_F(PortsThatComeAndGo, ATypedNumberStaysWhenTheListIsRefreshedAndOpens) {
  TypePort("COM2");
  PlugInSecond();
  EXPECT_EQ(Ports()->currentText(), "COM2");
  Open();
  ExpectSecondOpen();
}

TEST_F(PortsThatComeAndGo, ATypedTextThatIsNoNumberIsReportedOnceAndANumberNoPortCanHaveInWords) {
  TypePort("COMx");
  QTest::keyClick(Ports()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(shown, QStringList{"'x' is not a valid integer value"});
  shown.clear();

  TypePort("COM300");
  QTest::keyClick(Ports()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(Status(window), "Неверный номер порта Com300");
  Find<QLabel>(window, "StatusPanel3")->clear();
  Open();
  EXPECT_EQ(Status(window), "Неверный номер порта Com300");
  EXPECT_FALSE(Find<QToolButton>(window, "Connect")->isChecked());
  EXPECT_TRUE(shown.isEmpty());
}

class Accessibility : public ::testing::Test, public testing::OnSimulator {};

TEST_F(Accessibility, TheToggleActionOfAButtonDoesWhatAClickDoes) {
  auto* connect = Find<QToolButton>(window, "Connect");
  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(connect);
  ASSERT_NE(button, nullptr);
  ASSERT_NE(button->actionInterface(), nullptr);
  EXPECT_EQ(button->text(QAccessible::Name), "Подключить COM-порт");
  EXPECT_TRUE(button->actionInterface()->actionNames().contains(
      QAccessibleActionInterface::toggleAction()));

  button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(Status(), "Порт открыт");
  EXPECT_TRUE(connect->isChecked());
  EXPECT_TRUE(button->state().checked);
  button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Status(), "Порт закрыт");
  EXPECT_FALSE(connect->isChecked());

  // An output range chosen by a screen reader changes the currents as a click does.
  auto* zeroToFive = Find<QWidget>(window, "SetOutCurrent")->findChildren<QRadioButton*>()[0];
  QAccessible::queryAccessibleInterface(zeroToFive)
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(window.Config().CrtMax, 5);
}

TEST(Layout, SensorEntriesShowWholeInAnyFontAndTheToolBarOffersNoBlankEntry) {
  const QFont standard = QApplication::font();
  for (const double scale : {1.0, 1.6}) {
    QFont font = standard;
    font.setPointSizeF(standard.pointSizeF() * scale);
    QApplication::setFont(font);
    TZelto window{"Velmor7"};
    window.show();  // no event processed yet: the first frame
    for (const char* name : {"TypeSensor_0", "TypeSensor_1", "TypeSensor_2"}) {
      auto* list = Find<QComboBox>(window, name);
      const QFontMetrics metrics(list->font());
      for (int i = 0; i < list->count(); ++i) {
        EXPECT_GT(list->sizeHint().width(), metrics.horizontalAdvance(list->itemText(i)))
            << name << " " << i;
      }
    }
    auto* shown = Find<QComboBox>(window, "TypeSensor_2");
    EXPECT_GE(shown->width(), shown->sizeHint().width()) << scale;
    shown->showPopup();
    const int longest = shown->view()->sizeHintForColumn(0);
    EXPECT_GE(shown->view()->width(), longest);
    shown->hidePopup();

    const std::unique_ptr<QMenu> menu(window.createPopupMenu());
    if (menu != nullptr) {
      for (const QAction* item : menu->actions())
        EXPECT_FALSE(item->isVisible()) << item->text().toStdString();
    }
  }
  QApplication::setFont(standard);
}

}  // namespace
}  // namespace zelto::app
