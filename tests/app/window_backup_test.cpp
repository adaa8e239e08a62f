// The window's writes behind their backups: each write is undone from the File menu, a compare
// before "Запись" shows what would change and sends nothing when cancelled, and a device that
// cannot be read first gets nothing written.
#include "link/frame.h"
#include "window_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

namespace zelto::app {
namespace {

using testing::Find;
using testing::kDastra2;
using testing::kVelmor;

// The data folder of the test's own, a device of the model, and the window connected to it.
class Backups : public ::testing::Test {
 protected:
  void Start(int model) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(data_.path()));
    on_.emplace(model);
    testing::RecordMessages(Window(), shown);
    on_->Connect();
  }
  ~Backups() override { qputenv("XDG_DATA_HOME", previous_); }

  void Click(const char* button) { on_->Click(button); }
  void Trigger(const char* item) { Find<QAction>(Window(), item)->trigger(); }
  void Type(const char* field, const char* text) { on_->Type(field, text); }
  QStringList BackupFiles() const {
    return QDir(data_.filePath(QStringLiteral("zelto/backups")))
        .entryList({QStringLiteral("*.json")}, QDir::Files);
  }
  // Whether any request since the last ClearRequests wrote a word.
  bool AnyWordWritten() const {
    const auto requests = on_->sim.Requests();
    return std::any_of(requests.begin(), requests.end(), [](const Frame& request) {
      return request[kCommandOffset] == static_cast<std::uint8_t>(Command::CmdWriteWord);
    });
  }

  sim::Simulator& Device() { return on_->sim; }
  TZelto& Window() { return on_->window; }
  QString Status() const { return on_->Status(); }
  QStringList shown;

 private:
  QTemporaryDir data_;
  QByteArray previous_ = qgetenv("XDG_DATA_HOME");
  std::optional<testing::OnSimulator> on_;
};

// A write as the user makes it: a value typed, when there is one, then a button or menu item.
struct UndoneWrite {
  const char* name;
  int model;
  const char* field;
  const char* text;
  const char* command;
};

class EveryWrite : public Backups, public ::testing::WithParamInterface<UndoneWrite> {};

TEST_P(EveryWrite, IsUndoneFromTheFileMenuToTheByte) {
  const UndoneWrite& write = GetParam();
  Start(write.model);
  const sim::MemoryImage before = Device().Memory();
  if (write.field != nullptr)
    Type(write.field, write.text);
  if (Window().findChild<QAbstractButton*>(QLatin1String(write.command)) != nullptr)
    Click(write.command);
  else
    Trigger(write.command);
  ASSERT_NE(Device().Memory(), before) << Status().toStdString();
  EXPECT_EQ(BackupFiles().size(), 1);

  shown.clear();
  Trigger("UndoWrite");
  ASSERT_FALSE(shown.isEmpty());
  EXPECT_TRUE(shown[0].startsWith("Отменить запись?\n")) << shown[0].toStdString();
  EXPECT_EQ(Device().Memory(), before);
  EXPECT_EQ(Status(), "Чтение завершено");  // the summary follows, as "Чтение"
  EXPECT_EQ(BackupFiles().size(), 2);       // the restore keeps its own
}

INSTANTIATE_TEST_SUITE_P(
    Window, EveryWrite,
    ::testing::Values(UndoneWrite{"VelmorConfiguration", kVelmor, "RangeMax", "150", "WriteToCom"},
                      UndoneWrite{"DastraConfiguration", kDastra2, nullptr, nullptr, "WriteToCom"},
                      UndoneWrite{"DastraCorrection", kDastra2, "SchiftZero", "7,3", "WriteUser"},
                      // A block of zeros, as at start.
                      UndoneWrite{"VelmorCalibration", kVelmor, nullptr, nullptr,
                                  "WriteCalibrToEeprom"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Backups, UndoingTwiceWalksBackTwoWritesAndThenThereIsNothingLeft) {
  Start(kDastra2);
  const sim::MemoryImage original = Device().Memory();
  Click("WriteToCom");
  const sim::MemoryImage first = Device().Memory();
  Type("RangeMax", "150");
  Click("WriteToCom");
  ASSERT_NE(Device().Memory(), first);

  // A "no" leaves the device as it is, and no "wait" behind it.
  const sim::MemoryImage second = Device().Memory();
  testing::RecordMessages(Window(), shown, false);
  Trigger("UndoWrite");
  EXPECT_EQ(Device().Memory(), second);
  EXPECT_EQ(Status(), "Прибор подключен");

  testing::RecordMessages(Window(), shown, true);
  Trigger("UndoWrite");
  EXPECT_EQ(Device().Memory(), first);
  Trigger("UndoWrite");
  EXPECT_EQ(Device().Memory(), original);
  shown.clear();
  Trigger("UndoWrite");
  EXPECT_TRUE(shown.isEmpty());  // no question: nothing to undo
  EXPECT_EQ(Status(), "Нет записи для отмены");
}

TEST_F(Backups, UndoOnADeviceChangedSinceSaysSoAndRestoresOnlyWhenTold) {
  Start(kDastra2);
  const sim::MemoryImage original = Device().Memory();
  Click("WriteToCom");
  sim::MemoryImage changed = Device().Memory();
  changed[24] ^= 0x01;  // a word the write wrote, changed by someone else
  Device().LoadMemory(changed);

  testing::RecordMessages(Window(), shown, false);
  Device().ClearRequests();
  Trigger("UndoWrite");
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith("Прибор содержит другую конфигурацию.\nОтменить запись?\n"))
      << shown[0].toStdString();
  EXPECT_EQ(Status(), "Прибор содержит другую конфигурацию");
  EXPECT_FALSE(AnyWordWritten());

  testing::RecordMessages(Window(), shown, true);
  Trigger("UndoWrite");
  EXPECT_EQ(Device().Memory(), original);
  EXPECT_EQ(Status(), "Чтение завершено");
}

TEST_F(Backups, ACancelledCompareSendsNothingAfterItsReadsAndAnAcceptedOneWrites) {
  Start(kDastra2);
  Find<QAction>(Window(), "CompareBeforeWrite")->setChecked(true);
  Type("RangeMax", "150");
  testing::RecordMessages(Window(), shown, false);
  Device().ClearRequests();
  Click("WriteToCom");
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith("Запись изменит в приборе (поле: прибор → окно):\n"))
      << shown[0].toStdString();
  EXPECT_TRUE(shown[0].contains("таблицы: ")) << shown[0].toStdString();
  EXPECT_FALSE(AnyWordWritten());
  EXPECT_EQ(Status(), "Запись отменена");
  EXPECT_TRUE(BackupFiles().isEmpty());

  testing::RecordMessages(Window(), shown, true);
  Click("WriteToCom");
  EXPECT_EQ(Status(), "Запись завершена");
  EXPECT_EQ(BackupFiles().size(), 1);  // the compare's read is the backup
}

// While the compare's question waits, the status says what the window waits for.
TEST_F(Backups, TheStatusSaysTheCompareWaitsForTheUser) {
  class StatusWhenAsked final : public MessageBoxes {
   public:
    explicit StatusWhenAsked(QStringList& seen, const QWidget& window)
        : seen_(seen), window_(window) {}
    void ShowError(const QString&) override {}
    bool Confirm(const QString&, const QString&) override {
      seen_ << testing::Status(window_);
      return true;
    }

   private:
    QStringList& seen_;
    const QWidget& window_;
  };
  Start(kVelmor);
  Find<QAction>(Window(), "CompareBeforeWrite")->setChecked(true);
  Window().SetMessageBoxes(std::make_unique<StatusWhenAsked>(shown, Window()));
  Click("WriteToCom");
  EXPECT_EQ(shown, QStringList{"Сравнение: подтвердите запись"});
  EXPECT_EQ(Status(), "Запись завершена");
}

TEST_F(Backups, ADeviceSilentDuringTheBackupGetsNothingAndTheSwitchTurnsBackupsOff) {
  Start(kDastra2);
  Device().ClearRequests();
  Device().SetFault(sim::Fault::SilentFrom(1));
  Click("WriteToCom");
  EXPECT_EQ(Status(), "Прибор не отвечает");
  EXPECT_FALSE(AnyWordWritten());
  EXPECT_FALSE(Window().Link().State().LinkFlags & fWriting);  // the keep-alive polls again
  EXPECT_TRUE(BackupFiles().isEmpty());

  Device().SetFault(sim::Fault::None());
  Find<QAction>(Window(), "BackupBeforeWrite")->setChecked(false);
  Click("WriteToCom");
  EXPECT_EQ(Status(), "Запись завершена");
  EXPECT_TRUE(BackupFiles().isEmpty());
  Find<QAction>(Window(), "BackupBeforeWrite")->setChecked(true);  // remembered: put it back
}

TEST_F(Backups, AVerifiedWriteReadsBackWhatItWroteAndSaysWhenTheDeviceKeptSomethingElse) {
  Start(kDastra2);
  Find<QAction>(Window(), "VerifyAfterWrite")->setChecked(true);
  const sim::MemoryImage before = Device().Memory();
  Device().SetFault(sim::Fault::WordNotKept(0));  // answers the write, keeps nothing
  Click("WriteToCom");
  ASSERT_NE(Device().Memory(), before);
  EXPECT_EQ(Status(), "Ошибка проверки записи");

  Device().SetFault(sim::Fault::None());
  Click("WriteToCom");
  EXPECT_EQ(Status(), "Запись проверена");
  Find<QAction>(Window(), "VerifyAfterWrite")->setChecked(false);  // remembered: put it back
}

}  // namespace
}  // namespace zelto::app
