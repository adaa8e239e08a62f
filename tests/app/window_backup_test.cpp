// The window's writes behind their backups: each write is undone from the File menu, a compare
// before "Запись" shows what would change and sends nothing when cancelled, and a device that
// cannot be read first gets nothing written.
#include "link/frame.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
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

// Another unit of the model holding what a write left on the first: its factory calibration
// differs.
TEST_F(Backups, UndoOnAnotherUnitSaysSoAndRestoresOnlyWhenTold) {
  Start(kDastra2);
  const sim::MemoryImage original = Device().Memory();
  Click("WriteToCom");
  sim::MemoryImage otherUnit = Device().Memory();
  otherUnit[48] ^= 0x5A;  // a calibration reference word
  Device().LoadMemory(otherUnit);

  testing::RecordMessages(Window(), shown, false);
  Device().ClearRequests();
  Trigger("UndoWrite");
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith(
      "Резервная копия снята с другого экземпляра прибора.\nОтменить запись?\n"))
      << shown[0].toStdString();
  EXPECT_FALSE(AnyWordWritten());

  testing::RecordMessages(Window(), shown, true);
  Trigger("UndoWrite");
  EXPECT_EQ(Status(), "Чтение завершено");
  for (std::size_t address = 0; address < 32; ++address)
    EXPECT_EQ(Device().Memory()[address], original[address]) << address;
}

// Units of the same neutral calibration written alike from different contents: the user names
// the write to take back, or none.
TEST_F(Backups, UndoThatCannotTellUnitsApartListsTheWritesToChooseFrom) {
  Start(kDastra2);
  const sim::MemoryImage unitA = Device().Memory();
  Click("WriteToCom");
  sim::MemoryImage unitB = unitA;
  unitB[16] ^= 0x21;  // another range before the write
  Device().LoadMemory(unitB);
  Click("WriteToCom");
  const sim::MemoryImage written = Device().Memory();
  ASSERT_EQ(BackupFiles().size(), 2);

  testing::RecordMessages(Window(), shown, false);
  Device().ClearRequests();
  Trigger("UndoWrite");
  ASSERT_EQ(shown.size(), 1);
  const QStringList lines = shown[0].split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 4) << shown[0].toStdString();
  EXPECT_EQ(lines[0], "Этому прибору подходят несколько резервных копий.");
  EXPECT_EQ(lines[1], "Какую запись отменить?");
  for (const QString& line : lines.mid(2)) {
    EXPECT_TRUE(
        line.endsWith(" — запись конфигурации — " + QString::fromStdString(Device().Path())))
        << line.toStdString();
  }
  EXPECT_FALSE(AnyWordWritten());
  EXPECT_EQ(Device().Memory(), written);

  // The second listed is the older write: the first unit's.
  shown.clear();
  testing::RecordMessages(Window(), shown, true, 1);
  Trigger("UndoWrite");
  EXPECT_EQ(Status(), "Чтение завершено");
  EXPECT_EQ(Device().Memory(), unitA);
}

// Answers the next modal dialog once it shows, as the user would.
class DialogAnswer {
 public:
  explicit DialogAnswer(std::function<void(QDialog&)> answer) : answer_(std::move(answer)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        poll_.stop();
        answered_ = true;
        QApplication::setActiveWindow(dialog);  // as the window manager does once it shows
        answer_(*dialog);
      }
    });
    poll_.start(0);
  }
  bool Answered() const { return answered_; }

 private:
  std::function<void(QDialog&)> answer_;
  QTimer poll_;
  bool answered_ = false;
};

// The real dialog, by the keyboard: Enter alone cancels; the second entry, then Tab to
// "Восстановить" and Space, restores the older write.
TEST_F(Backups, TheChoiceBetweenWritesIsMadeByKeyboardAndEnterAloneCancelsIt) {
  Start(kDastra2);
  Window().SetMessageBoxes(std::make_unique<ModalMessageBoxes>(Window()));
  const sim::MemoryImage unitA = Device().Memory();
  Click("WriteToCom");
  sim::MemoryImage unitB = unitA;
  unitB[16] ^= 0x21;
  Device().LoadMemory(unitB);
  Click("WriteToCom");
  const sim::MemoryImage written = Device().Memory();

  {
    const DialogAnswer enter([](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>();
      ASSERT_NE(list, nullptr);
      EXPECT_EQ(list->accessibleName(), "Выбор");
      EXPECT_EQ(list->count(), 2);
      QTest::keyClick(list, Qt::Key_Return);
    });
    Trigger("UndoWrite");
    EXPECT_TRUE(enter.Answered());
  }
  EXPECT_EQ(Device().Memory(), written);

  {
    const DialogAnswer pick([](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>();
      ASSERT_NE(list, nullptr);
      QTest::keyClick(list, Qt::Key_Down);
      for (int i = 0; i < 4; ++i) {
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (button != nullptr && button->text() == "Восстановить")
          break;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      }
      auto* go = qobject_cast<QPushButton*>(QApplication::focusWidget());
      ASSERT_NE(go, nullptr);
      ASSERT_EQ(go->text(), "Восстановить");
      QTest::keyClick(go, Qt::Key_Space);
    });
    Trigger("UndoWrite");
    EXPECT_TRUE(pick.Answered());
  }
  EXPECT_EQ(Device().Memory(), unitA);
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

TEST_F(Backups, TheCompareNamesTheCorrectionAWriteWouldWipe) {
  Start(kDastra2);
  Click("WriteToCom");
  Type("SchiftFull", "13,8");  // 0,2 mA above the nominal 13,6
  Click("WriteUser");
  ASSERT_EQ(Status(), "Запись завершена");
  Find<QAction>(Window(), "CompareBeforeWrite")->setChecked(true);
  testing::RecordMessages(Window(), shown, false);
  Device().ClearRequests();
  Click("WriteToCom");
  ASSERT_EQ(shown.size(), 1);
  // Nothing else differs: the window holds what the device was written with.
  const QStringList lines = shown[0].split('\n');
  ASSERT_EQ(lines.size(), 3) << shown[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("коррекция диапазона: Au=0,9") &&
              lines[1].endsWith(" → Au=1; Bu=0"))
      << lines[1].toStdString();
  EXPECT_EQ(lines[2], "таблицы: совпадают");
  EXPECT_FALSE(AnyWordWritten());
  Find<QAction>(Window(), "CompareBeforeWrite")->setChecked(false);  // remembered: put it back
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
    std::optional<int> Choose(const QString&, const QStringList&, const QString&) override {
      return std::nullopt;
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

// Opens the File menu with the mouse, as the user does.
QMenu* OpenFileMenu(TZelto& window) {
  QMenuBar* bar = window.menuBar();
  auto* file = Find<QMenu>(window, "File1");
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
  EXPECT_TRUE(file->isVisible());
  return file;
}

TEST_F(Backups, TheChangedWordsSwitchIsSetFromTheMenuRememberedAndSendsWhatDiffers) {
  Start(kDastra2);
  Click("WriteToCom");  // the device holds what the window holds
  ASSERT_EQ(Status(), "Запись завершена");
  auto* changedOnly = Find<QAction>(Window(), "WriteChangedOnly");
  ASSERT_FALSE(changedOnly->isChecked());
  QMenu* file = OpenFileMenu(Window());
  QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(changedOnly).center());
  EXPECT_TRUE(changedOnly->isChecked());
  {
    const TZelto started("Velmor7", testing::WithPorts({}));
    EXPECT_TRUE(Find<QAction>(started, "WriteChangedOnly")->isChecked());
  }

  Type("RangeMax", "150");
  Device().ClearRequests();
  Click("WriteToCom");
  EXPECT_EQ(Status(), "Запись завершена");
  std::vector<int> written;
  for (const Frame& request : Device().Requests()) {
    if (request[kCommandOffset] == static_cast<std::uint8_t>(Command::CmdWriteWord))
      written.push_back(request[kAddressOffset] | request[kAddressOffset + 1] << 8);
  }
  EXPECT_EQ(written, (std::vector<int>{20, 124}));
  EXPECT_EQ(BackupFiles().size(), 2);
  Device().ClearRequests();
  Click("WriteToCom");
  EXPECT_EQ(Status(), "Прибор уже содержит эту конфигурацию");
  EXPECT_FALSE(AnyWordWritten());
  EXPECT_EQ(BackupFiles().size(), 2);

  // Off again by keyboard, which puts it back for the other tests as well.
  file = OpenFileMenu(Window());
  for (int step = 0; step < file->actions().size() && file->activeAction() != changedOnly; ++step)
    QTest::keyClick(file, Qt::Key_Down);
  QTest::keyClick(file, Qt::Key_Return);
  EXPECT_FALSE(changedOnly->isChecked());
}

}  // namespace
}  // namespace zelto::app
