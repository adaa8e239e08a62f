// What the window remembers from one run to the next: each test has a configuration folder of
// its own, shared by the windows it starts one after the other.
#include "window_test_support.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace zelto::app {
namespace {

using testing::Find;

constexpr int kVelmor = 2;

// Tells the folder the dialog opens in, and cancels.
class FolderOfTheDialog final : public FileChoice {
 public:
  explicit FolderOfTheDialog(QString& folder) : folder_(folder) {}
  std::optional<QString> Choose(QFileDialog& dialog) override {
    folder_ = dialog.directory().absolutePath();
    return std::nullopt;
  }

 private:
  QString& folder_;
};

class Remembered : public ::testing::Test {
 protected:
  Remembered() : previous_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
  }
  ~Remembered() override { qputenv("XDG_CONFIG_HOME", previous_); }

  // The machine's ports: one that sorts first, and the simulator's when it is plugged in.
  LinkSetup Machine(std::vector<ExtraPort> given = {}) {
    return {std::move(given), zelto::testing::kTestTimeouts, [this] {
              std::vector<SystemPort> ports{{"/dev/aa-adapter", "first"}};
              if (simulatorPlugged)
                ports.push_back({sim.Path(), "simulator"});
              return ports;
            }};
  }
  QString ChosenPort(TZelto& window) {
    window.FinishStart();
    return Find<QComboBox>(window, "SetComN")->currentText();
  }

  QString ConfigFolder() const { return config_.path(); }

  sim::Simulator sim{kVelmor};
  bool simulatorPlugged = true;
  QTemporaryDir files;

 private:
  QTemporaryDir config_;
  QByteArray previous_;
};

TEST_F(Remembered, ThePortTheWindowAndTheDialogFoldersSurviveARestart) {
  QList<int> memoSplit;
  {
    TZelto window("Velmor7", Machine());
    window.show();
    EXPECT_EQ(ChosenPort(window), "COM1");
    testing::Pick(*Find<QComboBox>(window, "SetComN"), 1);
    QTest::mouseClick(Find<QToolButton>(window, "Connect"), Qt::LeftButton);
    ASSERT_TRUE(window.Link().IsPortOpen());
    window.setGeometry(40, 50, 900, 800);
    Find<QSplitter>(window, "Splitter2")->setSizes({420, 300});
    memoSplit = Find<QSplitter>(window, "Splitter2")->sizes();
    QStringList answers{files.filePath(QStringLiteral("image.bin"))};
    testing::AnswerFileDialogs(window, answers);
    window.SaveAsClick();
    window.close();
  }
  TZelto window("Velmor7", Machine());
  window.show();
  EXPECT_EQ(ChosenPort(window), "COM2");
  EXPECT_EQ(window.geometry(), QRect(40, 50, 900, 800));
  EXPECT_EQ(Find<QSplitter>(window, "Splitter2")->sizes(), memoSplit);
  QString folder;
  window.SetFileChoice(std::make_unique<FolderOfTheDialog>(folder));
  window.SaveAsClick();
  EXPECT_EQ(folder, files.path());
  // Nothing of the configuration is remembered.
  EXPECT_EQ(Find<QComboBox>(window, "TypeDevice")->currentIndex(), kVelmor);
}

TEST_F(Remembered, APortAskedForByNameWinsAndOneThatHasGoneIsForgottenQuietly) {
  {
    TZelto window("Velmor7", Machine());
    window.FinishStart();
    testing::Pick(*Find<QComboBox>(window, "SetComN"), 1);
    QTest::mouseClick(Find<QToolButton>(window, "Connect"), Qt::LeftButton);
    ASSERT_TRUE(window.Link().IsPortOpen());
  }
  {
    TZelto window("Velmor7", Machine({{"/dev/given", "given"}}));
    EXPECT_EQ(ChosenPort(window), "COM3");
  }
  simulatorPlugged = false;
  QStringList shown;
  TZelto window("Velmor7", Machine());
  testing::RecordMessages(window, shown);
  EXPECT_EQ(ChosenPort(window), "COM1");
  EXPECT_TRUE(shown.isEmpty());
}

// Something at the settings file's place, or at its lock file's, that is no file to read and
// replace: the window starts with defaults, says so, and leaves it as it found it.
struct NoSettingsFile {
  const char* name;
  const char* path;  // under the configuration folder's zelto/
  // Makes it; false where the machine does not let the test (a device node needs root).
  std::function<bool(const std::string& path)> make;

  friend void PrintTo(const NoSettingsFile& c, std::ostream* out) { *out << c.name; }
};

class UnusableSettings : public Remembered, public ::testing::WithParamInterface<NoSettingsFile> {};

namespace fs = std::filesystem;

// What each entry of the folder is, as lstat sees it, and what a file holds.
std::map<std::string, std::string> EntriesOf(const std::string& folder) {
  std::map<std::string, std::string> kinds;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    std::string& kind = kinds[entry.path().filename().string()];
    switch (entry.symlink_status().type()) {
      case fs::file_type::fifo:
        kind = "fifo";
        break;
      case fs::file_type::directory:
        kind = "folder";
        break;
      case fs::file_type::character:
        kind = "character device";
        break;
      case fs::file_type::symlink:
        kind = "link to " + fs::read_symlink(entry.path()).string();
        break;
      case fs::file_type::regular:
        kind = "file of " + std::to_string(entry.file_size());
        break;
      default:
        kind = "other";
    }
  }
  return kinds;
}

// A link to a thing of the test's own, beside it: a write that follows the link replaces
// nothing of the system's.
bool LinkTo(const std::string& path, const std::function<bool(const std::string&)>& make) {
  const std::string target = path + "-target";
  if (!make(target))
    return false;
  fs::create_symlink(target, path);
  return true;
}

bool MakeFifo(const std::string& path) {
  return mkfifo(path.c_str(), 0600) == 0;
}

// A node of the null device.
bool MakeDevice(const std::string& path) {
  return mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

TEST_P(UnusableSettings, LetTheWindowStartAndCloseWithDefaultsAndStayAsTheyAre) {
  const std::string folder = QFile::encodeName(ConfigFolder()).toStdString() + "/zelto";
  fs::create_directories(folder);
  if (!GetParam().make(folder + "/" + GetParam().path))
    GTEST_SKIP() << "this machine does not let the test make it";
  const auto before = EntriesOf(folder);
  {
    TZelto window("Velmor7", Machine());
    window.show();
    window.FinishStart();
    EXPECT_EQ(testing::Status(window), "Файл настроек не используется: настройки по умолчанию");
    auto* backups = Find<QAction>(window, "BackupBeforeWrite");
    EXPECT_TRUE(backups->isChecked());  // the default, whatever a file there says
    backups->setChecked(false);
    window.close();
  }
  EXPECT_EQ(EntriesOf(folder), before);
}

INSTANTIATE_TEST_SUITE_P(
    Window, UnusableSettings,
    ::testing::Values(
        NoSettingsFile{"Fifo", "zelto.conf", MakeFifo},
        NoSettingsFile{"LinkToADevice", "zelto.conf",
                       [](const std::string& path) { return LinkTo(path, MakeDevice); }},
        NoSettingsFile{"LinkToAFifo", "zelto.conf",
                       [](const std::string& path) { return LinkTo(path, MakeFifo); }},
        NoSettingsFile{"TooLarge", "zelto.conf",
                       [](const std::string& path) {
                         std::ofstream(path) << "[switches]\nBackupBeforeWrite=false\n"
                                             << std::string(2 * 1024 * 1024, ';') << "\n";
                         return true;
                       }},
        NoSettingsFile{"FifoLock", "zelto.conf.lock", MakeFifo},
        NoSettingsFile{"FolderLock", "zelto.conf.lock",
                       [](const std::string& path) { return fs::create_directory(path); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelto::app
