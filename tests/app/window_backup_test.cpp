// The window's writes behind their backups: each write is undone from the File menu, a compare
// before "Запись" shows what would change and sends nothing when cancelled, and a device that
// cannot be read first gets nothing written.
#include "link/frame.h"
#include "sim/simulator.h"
#include "window_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace zelto::app {
namespace {

using testing::Find;
using testing::Pick;

constexpr int kDastra2 = 1;
constexpr int kVelmor = 2;

// The data folder of the test's own, a device of the model, and the window connected to it.
class Backups : public ::testing::Test {
 protected:
  void Start(int model) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(data_.path()));
    device_ = std::make_unique<sim::Simulator>(model);
    window_ = std::make_unique<TZelto>("Velmor7", testing::WithSimulator(*device_));
    testing::RecordMessages(*window_, shown);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (model != kVelmor)
      Pick(*Find<QComboBox>(*window_, "TypeDevice"), model);
    Click<QToolButton>("Connect");
    Click<QToolButton>("OpenDev");
    ASSERT_TRUE(window_->Link().IsDeviceConnected());
  }
  ~Backups() override { qputenv("XDG_DATA_HOME", previous_); }

 public:
  // What a user does, for the writes of the table below.
  template <class Button>
  void Click(const char* name) {
    QTest::mouseClick(Find<Button>(*window_, name), Qt::LeftButton);
  }
  void Trigger(const char* item) { Find<QAction>(*window_, item)->trigger(); }
  void Type(const char* field, const char* text) {
    auto* edit = Find<QLineEdit>(*window_, field);
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, QString::fromUtf8(text));
    QTest::keyClick(edit, Qt::Key_Return);
  }
  QStringList BackupFiles() const {
    return QDir(data_.filePath(QStringLiteral("zelto/backups")))
        .entryList({QStringLiteral("*.json")}, QDir::Files);
  }

 protected:
  // Whether any request since the last ClearRequests wrote a word.
  bool AnyWordWritten() const {
    const auto requests = device_->Requests();
    return std::any_of(requests.begin(), requests.end(), [](const Frame& request) {
      return request[kCommandOffset] == static_cast<std::uint8_t>(Command::CmdWriteWord);
    });
  }

  sim::Simulator& Device() { return *device_; }
  TZelto& Window() { return *window_; }
  QStringList shown;

 private:
  QTemporaryDir data_;
  QByteArray previous_ = qgetenv("XDG_DATA_HOME");
  std::unique_ptr<sim::Simulator> device_;
  std::unique_ptr<TZelto> window_;
};

struct UndoneWrite {
  const char* name;
  int model;
  std::function<void(Backups&)> write;
};

class EveryWrite : public Backups, public ::testing::WithParamInterface<UndoneWrite> {};

TEST_P(EveryWrite, IsUndoneFromTheFileMenuToTheByte) {
  Start(GetParam().model);
  const sim::MemoryImage before = Device().Memory();
  GetParam().write(*this);
  ASSERT_NE(Device().Memory(), before) << testing::Status(Window()).toStdString();
  EXPECT_EQ(BackupFiles().size(), 1);

  shown.clear();
  Trigger("UndoWrite");
  ASSERT_FALSE(shown.isEmpty());
  EXPECT_TRUE(shown[0].startsWith("Отменить запись?\n")) << shown[0].toStdString();
  EXPECT_EQ(Device().Memory(), before);
  EXPECT_EQ(testing::Status(Window()), "Чтение завершено");  // the summary follows, as "Чтение"
  EXPECT_EQ(BackupFiles().size(), 2);                        // the restore keeps its own
}

INSTANTIATE_TEST_SUITE_P(
    Window, EveryWrite,
    ::testing::Values(UndoneWrite{"VelmorConfiguration", kVelmor,
                                  [](Backups& test) {
                                    test.Type("RangeMax", "150");
                                    test.Click<QPushButton>("WriteToCom");
                                  }},
                      UndoneWrite{"DastraConfiguration", kDastra2,
                                  [](Backups& test) { test.Click<QPushButton>("WriteToCom"); }},
                      UndoneWrite{"DastraCorrection", kDastra2,
                                  [](Backups& test) {
                                    test.Type("SchiftZero", "7,3");
                                    test.Click<QPushButton>("WriteUser");
                                  }},
                      UndoneWrite{"VelmorCalibration", kVelmor,
                                  [](Backups& test) {
                                    test.Trigger(
                                        "WriteCalibrToEeprom");  // a block of zeros, as at start
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Backups, UndoingTwiceWalksBackTwoWritesAndThenThereIsNothingLeft) {
  Start(kDastra2);
  const sim::MemoryImage original = Device().Memory();
  Click<QPushButton>("WriteToCom");
  const sim::MemoryImage first = Device().Memory();
  Type("RangeMax", "150");
  Click<QPushButton>("WriteToCom");
  ASSERT_NE(Device().Memory(), first);

  // A "no" leaves the device as it is, and no "wait" behind it.
  const sim::MemoryImage second = Device().Memory();
  testing::RecordMessages(Window(), shown, false);
  Trigger("UndoWrite");
  EXPECT_EQ(Device().Memory(), second);
  EXPECT_EQ(testing::Status(Window()), "Прибор подключен");

  testing::RecordMessages(Window(), shown, true);
  Trigger("UndoWrite");
  EXPECT_EQ(Device().Memory(), first);
  Trigger("UndoWrite");
  EXPECT_EQ(Device().Memory(), original);
  shown.clear();
  Trigger("UndoWrite");
  EXPECT_TRUE(shown.isEmpty());  // no question: nothing to undo
  EXPECT_EQ(testing::Status(Window()), "Нет записи для отмены");
}

TEST_F(Backups, UndoOnADeviceChangedSinceSaysSoAndRestoresOnlyWhenTold) {
  Start(kDastra2);
  const sim::MemoryImage original = Device().Memory();
  Click<QPushButton>("WriteToCom");
  sim::MemoryImage changed = Device().Memory();
  changed[24] ^= 0x01;  // a word the write wrote, changed by someone else
  Device().LoadMemory(changed);

  testing::RecordMessages(Window(), shown, false);
  Device().ClearRequests();
  Trigger("UndoWrite");
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith("Прибор содержит другую конфигурацию.\nОтменить запись?\n"))
      << shown[0].toStdString();
  EXPECT_EQ(testing::Status(Window()), "Прибор содержит другую конфигурацию");
  EXPECT_FALSE(AnyWordWritten());

  testing::RecordMessages(Window(), shown, true);
  Trigger("UndoWrite");
  EXPECT_EQ(Device().Memory(), original);
  EXPECT_EQ(testing::Status(Window()), "Чтение завершено");
}

TEST_F(Backups, ACancelledCompareSendsNothingAfterItsReadsAndAnAcceptedOneWrites) {
  Start(kDastra2);
  Find<QAction>(Window(), "CompareBeforeWrite")->setChecked(true);
  Type("RangeMax", "150");
  testing::RecordMessages(Window(), shown, false);
  Device().ClearRequests();
  Click<QPushButton>("WriteToCom");
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith("Запись изменит в приборе (поле: прибор → окно):\n"))
      << shown[0].toStdString();
  EXPECT_TRUE(shown[0].contains("таблицы: ")) << shown[0].toStdString();
  EXPECT_FALSE(AnyWordWritten());
  EXPECT_EQ(testing::Status(Window()), "Запись отменена");
  EXPECT_TRUE(BackupFiles().isEmpty());

  testing::RecordMessages(Window(), shown, true);
  Click<QPushButton>("WriteToCom");
  EXPECT_EQ(testing::Status(Window()), "Запись завершена");
  EXPECT_EQ(BackupFiles().size(), 1);  // the compare's read is the backup
}

TEST_F(Backups, ADeviceSilentDuringTheBackupGetsNothingAndTheSwitchTurnsBackupsOff) {
  Start(kDastra2);
  Device().ClearRequests();
  Device().SetFault(sim::Fault::SilentFrom(1));
  Click<QPushButton>("WriteToCom");
  EXPECT_EQ(testing::Status(Window()), "Прибор не отвечает");
  EXPECT_FALSE(AnyWordWritten());
  EXPECT_TRUE(BackupFiles().isEmpty());

  Device().SetFault(sim::Fault::None());
  Find<QAction>(Window(), "BackupBeforeWrite")->setChecked(false);
  Click<QPushButton>("WriteToCom");
  EXPECT_EQ(testing::Status(Window()), "Запись завершена");
  EXPECT_TRUE(BackupFiles().isEmpty());
  Find<QAction>(Window(), "BackupBeforeWrite")->setChecked(true);  // remembered: put it back
}

TEST_F(Backups, AVerifiedWriteReadsBackWhatItWroteAndSaysWhenTheDeviceKeptSomethingElse) {
  Start(kDastra2);
  Find<QAction>(Window(), "VerifyAfterWrite")->setChecked(true);
  const sim::MemoryImage before = Device().Memory();
  Device().SetFault(sim::Fault::WordNotKept(0));  // answers the write, keeps nothing
  Click<QPushButton>("WriteToCom");
  ASSERT_NE(Device().Memory(), before);
  EXPECT_EQ(testing::Status(Window()), "Ошибка проверки записи");

  Device().SetFault(sim::Fault::None());
  Click<QPushButton>("WriteToCom");
  EXPECT_EQ(testing::Status(Window()), "Запись проверена");
  Find<QAction>(Window(), "VerifyAfterWrite")->setChecked(false);  // remembered: put it back
}

}  // namespace
}  // namespace zelto::app
