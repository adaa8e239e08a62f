// What the window remembers from one run to the next: each test has a configuration folder of
// its own, shared by the windows it starts one after the other.
#include "window_test_support.h"

#include <QFile>
#include <QFileDialog>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

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

}  // namespace
}  // namespace zelto::app
