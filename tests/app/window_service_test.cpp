#include "window_test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace zelto::app {
namespace {

using testing::Find;

// The service view of a window connected to a simulated Velmor-7.
class ServicePanel : public ::testing::Test, public testing::OnSimulator {
 protected:
  ServicePanel() {
    testing::ShowServiceView(window);
    Connect();
  }

  QAbstractButton* Button(const char* name) const { return Find<QAbstractButton>(window, name); }
  bool Running(const char* timer) const { return Find<QTimer>(window, timer)->isActive(); }
  QString Memo() const { return Find<QPlainTextEdit>(window, "InforF")->toPlainText(); }
};

TEST_F(ServicePanel, TestAndScanShareAGroupButNotTheirTimers) {
  Click("Monitor");
  EXPECT_TRUE(Running("TimerMonitor"));
  EXPECT_TRUE(Button("Monitor")->isChecked());

  Click("TestPort");  // releases Scan's button; its poll goes on
  EXPECT_TRUE(Running("TimerTest"));
  EXPECT_TRUE(Button("TestPort")->isChecked());
  EXPECT_FALSE(Button("Monitor")->isChecked());
  EXPECT_TRUE(Running("TimerMonitor"));

  Click("Monitor");  // the released button stops its poll
  EXPECT_FALSE(Running("TimerMonitor"));
  EXPECT_FALSE(Button("Monitor")->isChecked());
  EXPECT_FALSE(Button("TestPort")->isChecked());
  EXPECT_TRUE(Running("TimerTest"));
  Click("TestPort");
  EXPECT_FALSE(Running("TimerTest"));
  EXPECT_FALSE(Button("TestPort")->isChecked());
}

TEST_F(ServicePanel, TheThreeTraceSwitchesAreIndependent) {
  Click("SS");
  EXPECT_EQ(window.Trace().bits, fSendToMemo);
  Click("CC");
  EXPECT_EQ(window.Trace().bits, fSendToMemo | fComtoBuf);
  Click("FF");
  Click("SS");
  EXPECT_EQ(window.Trace().bits, fCnftoMemo | fComtoBuf);

  // Frame lines while S is down: a service request and its reply.
  Click("SS");
  Click("Request");
  EXPECT_TRUE(Memo().contains("PC->Ялп  0c ca 35 00 00 00 00 00 00 00 00 02 ff "));
  EXPECT_TRUE(Memo().contains("Ялп->PC  0c ca 53 "));
}

TEST_F(ServicePanel, FMakesTheNextMonitorPollShowItsLines) {
  window.TimerMonitorTimer();
  EXPECT_FALSE(Memo().contains("M00 = "));
  Click("FF");
  window.TimerMonitorTimer();
  EXPECT_TRUE(Memo().startsWith("M00 = ")) << Memo().toStdString();
  EXPECT_EQ(Memo().count('\n'), 6);  // seven lines, the memo cleared first

  sim.SetFault(sim::Fault::SilentFrom(1));
  window.TimerMonitorTimer();
  EXPECT_EQ(Status(), "Прибор не отвечает");  // the slots it marks: the link's own tests
}

TEST_F(ServicePanel, WhileTestRunsALateDevicesValuesLandAtTheirOwnAddresses) {
  Find<QAction>(window, "ReadCalibrFromEeprom")->trigger();
  const calib::CalibBlock calibration = window.Calibration();
  ASSERT_EQ(calibration.Ref[0], 2635);

  // Late, yet inside the time-outs: each tick's reply comes after the next request has gone.
  sim.SetFault(sim::Fault::Late(std::chrono::milliseconds(5)));
  Click("TestPort");
  ASSERT_TRUE(Running("TimerTest"));  // its ticks are driven here, between the commands
  window.TimerTestTimer();
  Click("ReadE");
  const auto memory = sim.Memory();
  EXPECT_TRUE(std::equal(window.Image().begin(), window.Image().end(), memory.begin()));

  window.TimerTestTimer();
  window.TimerMonitorTimer();
  EXPECT_EQ(zelto::testing::SlotsOutOfBand(window.Monitor()), std::vector<int>{});

  window.TimerTestTimer();
  window.TimerTestTimer();
  Find<QAction>(window, "ReadCalibrFromEeprom")->trigger();
  EXPECT_EQ(window.Calibration(), calibration);
  Click("TestPort");
}

TEST_F(ServicePanel, KShowsTheCalibrationMenuAndItsCommandsShowTheBlock) {
  EXPECT_FALSE(Find<QMenu>(window, "Calibr")->menuAction()->isVisible());
  Click("ECalibr");
  EXPECT_TRUE(Find<QMenu>(window, "Calibr")->menuAction()->isVisible());
  EXPECT_TRUE(Find<QMenu>(window, "Tools1")->menuAction()->isVisible());

  Find<QAction>(window, "ZeroFullCalibrToDevice")->trigger();
  EXPECT_TRUE(Memo().contains("Ae =  1.00000, Ai =  1.00000, Ar =  1.00000, Au =  1.00000"))
      << Memo().toStdString();
  EXPECT_EQ(window.Calibration().Ref[0], 2635);
  EXPECT_EQ(window.Calibration().Ref[13], 0);

  Click("ECalibr");  // hidden again: the transfers go on, the memo stays as it is
  EXPECT_FALSE(Find<QMenu>(window, "Tools1")->menuAction()->isVisible());
  const QString before = Memo();
  Find<QAction>(window, "ReadCalibrFromEeprom")->trigger();
  EXPECT_EQ(Memo(), before);
}

TEST_F(ServicePanel, MemoryReadSavesTheDevicesImageAndACancelledDialogReadsAndWritesNothing) {
  Click("ReadE");
  answers << File("image.bin");
  Click("SaveAsButton");
  QFile saved(File("image.bin"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const auto memory = sim.Memory();
  EXPECT_EQ(saved.readAll(),
            QByteArray(reinterpret_cast<const char*>(memory.data()), memory.size()));
  QFile::remove(File("image.bin"));

  answers << QString();  // cancelled: the earlier name is not used again
  Click("SaveAsButton");
  answers << QString();
  Click("OpenButton");
  EXPECT_TRUE(shown.isEmpty());
  EXPECT_EQ(QDir(files.path()).entryList(QDir::Files).size(), 0);
}

TEST_F(ServicePanel, TheConfigurationFileLoadsItsFourValues) {
  testing::WriteFile(File("device.cfg"), "Device 1\nSensor 11\nMin -49.9\nMax 300\n");
  answers << File("device.cfg");
  Click("OpenButton");
  EXPECT_TRUE(shown.isEmpty());
  EXPECT_EQ(window.Config().RngMax, 300);  // the reading itself: the configuration file's tests

  QFile::remove(File("device.cfg"));
  answers << File("device.cfg");
  Click("OpenButton");
  EXPECT_EQ(shown, QStringList{"Error file Open"});
}

// What the memo held when each box came up.
class MemoAtEachBox final : public MessageBoxes {
 public:
  explicit MemoAtEachBox(const QPlainTextEdit& memo) : memo_(memo) {}
  void ShowError(const QString&) override { seen << memo_.toPlainText(); }
  bool Confirm(const QString&, const QString&) override { return false; }
  std::optional<int> Choose(const QString&, const QStringList&, const QString&) override {
    return std::nullopt;
  }
  QStringList seen;

 private:
  const QPlainTextEdit& memo_;
};

TEST_F(ServicePanel, ARefusedConfigurationFileIsDumpedOnlyAfterItsBox) {
  testing::WriteFile(File("short.cfg"), "Device 1\nSensor 11\n");
  auto boxes = std::make_unique<MemoAtEachBox>(*Find<QPlainTextEdit>(window, "InforF"));
  const MemoAtEachBox& memoAtBox = *boxes;
  window.SetMessageBoxes(std::move(boxes));
  Click("FF");
  Click("SpeedButton1");  // something in the memo that the dump replaces
  const QString before = Memo();

  answers << File("short.cfg");
  Click("OpenButton");
  EXPECT_EQ(memoAtBox.seen, QStringList{before});
  EXPECT_NE(Memo(), before);
  EXPECT_EQ(window.Config().Sensor, 11);
}

TEST_F(ServicePanel, ANameTheDialogCouldNotShowExactlyIsRefusedNotReplaced) {
  // What the dialog hands back for a file named with the byte E9: the look-alike name with
  // U+FFFD, which may well exist.
  const QString lookAlike = files.filePath(QString::fromUtf8("report-\uFFFD.bin"));
  testing::WriteFile(lookAlike, "keep");
  Click("ReadE");
  answers << lookAlike << lookAlike;
  Click("SaveAsButton");
  Click("OpenButton");
  EXPECT_EQ(shown,
            QStringList(2, "В имени файла есть знаки не в кодировке UTF-8: выберите другое имя"));
  QFile other(lookAlike);
  ASSERT_TRUE(other.open(QIODevice::ReadOnly));
  EXPECT_EQ(other.readAll(), "keep");
}

TEST_F(ServicePanel, TheSelfTestFillsTheMemoWhichSavesAsUtf8FromTheFileMenuAndTheFileGroup) {
  Click("SpeedButton1");
  const QString memo = Memo();
  EXPECT_EQ(memo.count("i0 ="), 4) << memo.toStdString();  // the figures: Evaluator tests
  answers << File("menu.txt") << File("button.txt");
  Find<QAction>(window, "SaveMemo")->trigger();
  Click("SaveMemoButton");
  EXPECT_EQ(Status(), "Файл записан");
  for (const char* name : {"menu.txt", "button.txt"}) {
    QFile saved(File(name));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), (memo + QLatin1Char('\n')).toUtf8());
  }
  const auto* item = Find<QAction>(window, "SaveMemo");
  EXPECT_TRUE(item->isVisible() && Find<QMenu>(window, "File1")->actions().contains(item));
}

}  // namespace
}  // namespace zelto::app
