#include "app/zelto_form.h"
#include "window_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSerialPort>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace zelto::app {
namespace {

using testing::Find;

using testing::kVelmor;

// The window with a simulated transmitter as its only port.
class WindowWithDevice : public ::testing::Test, public testing::OnSimulator {
 protected:
  WindowWithDevice() { window.FinishStart(); }

  QToolButton* Connect() const { return Find<QToolButton>(window, "Connect"); }
  QToolButton* OpenDev() const { return Find<QToolButton>(window, "OpenDev"); }
  bool Enabled(const char* name) const { return Find<QWidget>(window, name)->isEnabled(); }
  bool ActionEnabled(const char* name) const { return Find<QAction>(window, name)->isEnabled(); }
  // Its own switch, whatever the page control around it says.
  bool SwitchedOn(const char* name) const {
    return !Find<QWidget>(window, name)->testAttribute(Qt::WA_ForceDisabled);
  }
  // Qt reports a hidden action as disabled whatever was set; shown, it tells what was set.
  bool MenuEnabled(const char* name) const {
    QAction* item = Find<QMenu>(window, name)->menuAction();
    item->setVisible(true);
    return item->isEnabled();
  }
  // What the window offers with a device connected and takes away without one.
  void ExpectDeviceFace(bool connected) {
    EXPECT_EQ(OpenDev()->isChecked(), connected);
    EXPECT_EQ(OpenDev()->text(), connected ? "Отключить прибор" : "Подключить прибор");
    for (const char* name : {"WriteToCom", "ReadFromCom", "PanRange", "Function"})
      EXPECT_EQ(Enabled(name), connected) << name;
    for (const char* name : {"Read", "Write"})
      EXPECT_EQ(ActionEnabled(name), connected) << name;
    for (const char* name : {"Calibr", "CalibrTuner"})
      EXPECT_EQ(MenuEnabled(name), connected) << name;
    EXPECT_EQ(Enabled("TypeDevice"), !connected);
    EXPECT_EQ(Find<QTimer>(window, "TimeConnect")->isActive(), connected);
  }
  void Click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

TEST_F(WindowWithDevice, ListsTheSimulatorWithItsPath) {
  const auto* ports = Find<QComboBox>(window, "SetComN");
  ASSERT_EQ(ports->count(), 1);
  EXPECT_EQ(ports->currentText(), "COM1");
  EXPECT_EQ(ports->itemData(0, Qt::ToolTipRole).toString(),
            QString::fromStdString(sim.Path()) + " — simulator");
}

TEST_F(WindowWithDevice, PortButtonAndMenuItemOpenAndReleaseThePort) {
  const auto expectPort = [&](bool open) {
    const char* offer = open ? "Освободить COM-порт" : "Подключить COM-порт";
    EXPECT_EQ(Status(), open ? "Порт открыт" : "Порт закрыт");
    EXPECT_EQ(Connect()->isChecked(), open);
    EXPECT_EQ(Connect()->text(), offer);
    EXPECT_EQ(Find<QAction>(window, "ConnectCom")->text(), QString("&") + offer);
    EXPECT_EQ(OpenDev()->isEnabled(), open);
  };
  Click(Connect());
  expectPort(true);
  EXPECT_EQ(window.Link().State().PortNo, 1);
  Find<QAction>(window, "ConnectCom")->trigger();
  expectPort(false);
}

TEST_F(WindowWithDevice, DeviceButtonConnectsAndDisconnectsAsDoesReleasingThePort) {
  testing::ConnectDevice(window);
  EXPECT_EQ(Status(), "Прибор подключен");
  ExpectDeviceFace(true);
  EXPECT_TRUE(Enabled("PanRangeD"));

  Click(OpenDev());
  EXPECT_EQ(Status(), "Прибор отключен");
  ExpectDeviceFace(false);
  EXPECT_TRUE(SwitchedOn("PanRangeD"));
  EXPECT_TRUE(Connect()->isChecked());  // the port stays open

  Click(OpenDev());
  Click(Connect());
  EXPECT_EQ(Status(), "Порт закрыт");
  ExpectDeviceFace(false);
  EXPECT_FALSE(OpenDev()->isEnabled());
  EXPECT_FALSE(window.Link().IsDeviceConnected());
}

TEST_F(WindowWithDevice, AnotherModelIsRefused) {
  Find<QComboBox>(window, "TypeDevice")->setCurrentIndex(1);
  testing::ConnectDevice(window);
  EXPECT_EQ(Status(), "Ошибка выбора прибора");
  EXPECT_FALSE(OpenDev()->isChecked());
  EXPECT_EQ(OpenDev()->text(), "Подключить прибор");
  EXPECT_TRUE(Enabled("TypeDevice"));
  EXPECT_FALSE(Enabled("PanRange"));
  EXPECT_FALSE(Find<QTimer>(window, "TimeConnect")->isActive());
}

TEST_F(WindowWithDevice, KeepAliveDisconnectsASilentDevice) {
  testing::ConnectDevice(window);
  window.TimeConnectTimer();
  EXPECT_EQ(Status(), "Прибор подключен");
  EXPECT_TRUE(window.Link().IsDeviceConnected());

  sim.SetFault(sim::Fault::SilentFrom(1));
  window.TimeConnectTimer();
  EXPECT_EQ(Status(), "Прибор отключен");
  ExpectDeviceFace(false);
  EXPECT_TRUE(Connect()->isChecked());
  EXPECT_TRUE(OpenDev()->isEnabled());
}

TEST_F(WindowWithDevice, KeepAliveWaitsForAWrite) {
  testing::ConnectDevice(window);
  sim.ClearRequests();
  const_cast<zelto::Link&>(window.Link()).SetWriting(true);
  window.TimeConnectTimer();
  EXPECT_TRUE(sim.Requests().empty());
  EXPECT_TRUE(window.Link().IsDeviceConnected());
}

TEST_F(WindowWithDevice, PortBusyElsewhereSaysSo) {
  QSerialPort other(QString::fromStdString(sim.Path()));
  ASSERT_TRUE(other.open(QIODevice::ReadWrite));
  Click(Connect());
  EXPECT_EQ(Status(),
            QString::fromStdString("Порт Com1 (" + sim.Path() + ") занят другой программой"));
  EXPECT_FALSE(Connect()->isChecked());
  EXPECT_FALSE(OpenDev()->isEnabled());

  other.close();
  Click(Connect());  // the same port again, at once
  EXPECT_EQ(Status(), "Порт открыт");
}

TEST_F(WindowWithDevice, SpeedListSelectsFromTheBaudTable) {
  auto* speeds = Find<QComboBox>(window, "TSpeedD");
  EXPECT_EQ(window.Link().State().SpeedIndex, 1);
  speeds->addItem("9600");
  speeds->setCurrentIndex(1);
  EXPECT_EQ(window.Link().State().SpeedIndex, 2);
  speeds->setCurrentIndex(-1);
  EXPECT_EQ(window.Link().State().SpeedIndex, 2);
  speeds->setEditText("2400");  // typed, not selected
  EXPECT_EQ(window.Link().State().SpeedIndex, 2);
}

TEST(WindowWithAdapter, AnUnpluggedDeviceReleasesThePortAndOpensAgainWhenBack) {
  sim::Simulator sim(kVelmor);
  TZelto window("Velmor7", {{}, zelto::testing::kTestTimeouts, [&sim] {
                              return std::vector<SystemPort>{{sim.Path(), "adapter"}};
                            }});
  window.show();
  testing::ConnectDevice(window);
  sim.Unplug();
  QTest::mouseClick(Find<QPushButton>(window, "ReadFromCom"), Qt::LeftButton);
  EXPECT_EQ(testing::Status(window),
            QString::fromStdString("Порт Com1 (" + sim.Path() + ") отключен"));
  EXPECT_FALSE(Find<QToolButton>(window, "Connect")->isChecked());
  EXPECT_FALSE(Find<QToolButton>(window, "OpenDev")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(window, "ReadFromCom")->isEnabled());
  EXPECT_TRUE(Find<QComboBox>(window, "TypeDevice")->isEnabled());

  // Back, perhaps under another path and so another number: the list shows it when opened.
  sim.PlugIn();
  auto* ports = Find<QComboBox>(window, "SetComN");
  ports->showPopup();
  ports->hidePopup();
  testing::Pick(*ports, ports->count() - 1);
  testing::ConnectDevice(window);
  EXPECT_EQ(testing::Status(window), "Прибор подключен");
}

TEST(WindowWithoutPorts, StartsQuietlyAndReportsThePressedButton) {
  testing::MessageBoxCatcher startup;
  TZelto window("Velmor7", testing::WithPorts({}));
  window.show();
  window.FinishStart();
  QTest::qWait(0);  // lets the catcher look for a box
  EXPECT_FALSE(startup.Shown());
  EXPECT_EQ(Find<QComboBox>(window, "SetComN")->count(), 0);
  EXPECT_EQ(testing::Status(window), "Time");

  QStringList shown;
  testing::RecordMessages(window, shown);
  QTest::mouseClick(Find<QToolButton>(window, "Connect"), Qt::LeftButton);
  EXPECT_EQ(shown, QStringList{"'' is not a valid integer value"});
  EXPECT_FALSE(Find<QToolButton>(window, "Connect")->isChecked());
  EXPECT_EQ(testing::Status(window), "Time");
  EXPECT_FALSE(Find<QToolButton>(window, "OpenDev")->isEnabled());
}

// The port scan waits for the window's first frame, and never for the user.
TEST(WindowAtStart, ListsThePortsOnceItsFirstFrameIsDrawnOrBeforeTheFirstInput) {
  int scans = 0;
  const auto counting = [&scans] {
    ++scans;
    return std::vector<SystemPort>{{"/dev/ttyS0", ""}};
  };
  const LinkSetup setup{{{"/dev/ttyUSB7", "given"}}, zelto::testing::kTestTimeouts, counting};
  {
    TZelto window("Velmor7", setup);
    EXPECT_EQ(scans, 0);
    window.show();
    QCoreApplication::processEvents();  // the first frame
    QCoreApplication::processEvents();  // what was posted during it
    EXPECT_EQ(scans, 1);
    const auto* ports = Find<QComboBox>(window, "SetComN");
    EXPECT_EQ(ports->count(), 2);
    EXPECT_EQ(ports->currentText(), "COM2");  // the port asked for by name
  }
  {
    TZelto window("Velmor7", setup);
    window.show();
    QTest::mouseClick(Find<QToolButton>(window, "Connect"), Qt::LeftButton);  // before any frame
    EXPECT_EQ(scans, 2);
    EXPECT_EQ(testing::Status(window), "Порт Com2 (/dev/ttyUSB7) не найден");
    EXPECT_FALSE(Find<QToolButton>(window, "Connect")->isChecked());
    EXPECT_EQ(window.Link().State().PortNo, 0);
  }
}

}  // namespace
}  // namespace zelto::app
