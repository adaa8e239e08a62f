// The window's own file dialogs, answered by keyboard as a user answers them: where they open,
// and what their name field holds then.
#include "app/file_dialog_on_demand.h"
#include "files/kept_files.h"
#include "window_test_support.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>

#include <functional>

namespace zelto::app {
namespace {

using testing::Find;

// What a file dialog showed when it came up.
struct Shown {
  QString folder;
  QString name;
  QString selected;
};

// Answers the next modal file dialog once it shows: keeps what it shows, types the name into
// its name field and presses Enter; without a name, Escape.
class FileDialogAnswer {
 public:
  explicit FileDialogAnswer(QString typed) : typed_(std::move(typed)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr)
        return;
      poll_.stop();
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_NE(name, nullptr);
      // As the window manager does: the dialog active, the name field taking the keys.
      QApplication::setActiveWindow(dialog);
      shown_ = {dialog->directory().absolutePath(), name->text(), name->selectedText()};
      if (typed_.isEmpty()) {
        QTest::keyClick(name, Qt::Key_Escape);
        return;
      }
      QTest::keyClicks(name, typed_);
      if (QWidget* completions = QApplication::activePopupWidget())
        completions->close();
      QTest::keyClick(name, Qt::Key_Return);
    });
    poll_.start(0);
  }
  const std::optional<Shown>& Seen() const { return shown_; }

 private:
  QString typed_;
  QTimer poll_;
  std::optional<Shown> shown_;
};

class FileDialogs : public ::testing::Test, public testing::OnSimulator {
 protected:
  FileDialogs() {
    // No folder remembered from another test of this program.
    QSettings(QFile::decodeName(QByteArray::fromStdString(files::SettingsFile())),
              QSettings::IniFormat)
        .remove(QStringLiteral("folders"));
    window.SetFileChoice(std::make_unique<ModalFileChoice>());
  }

  // Opens a profile through File → "Открыть профиль…", typing the name into the dialog.
  Shown OpenProfile(const QString& typed) {
    const FileDialogAnswer answer(typed);
    Find<QAction>(window, "OpenProfile")->trigger();
    EXPECT_TRUE(answer.Seen().has_value());
    return answer.Seen().value_or(Shown{});
  }
  // A profile of Velmor-7 with this range end, saved as the window saves it.
  void SaveProfile(const char* name, const char* field, const char* value) {
    window.SetFileChoice(std::make_unique<testing::ChosenFiles>(answers));
    answers << File(name);
    Type(field, value);
    Find<QAction>(window, "SaveProfile")->trigger();
    window.SetFileChoice(std::make_unique<ModalFileChoice>());
  }
};

TEST_F(FileDialogs, AnOpenDialogComesBackInItsFolderWithTheNameFieldReadyForANewName) {
  Connect();
  SaveProfile("a.json", "RangeMax", "150");
  SaveProfile("b.json", "RangeMin", "10");
  const QString folder = QDir(files.path()).absolutePath();

  OpenProfile(File("a.json"));
  EXPECT_EQ(window.Config().RngMin, -50);
  EXPECT_EQ(window.Config().RngMax, 150);
  EXPECT_EQ(Status(), "Профиль открыт");

  const Shown again = OpenProfile("b.json");
  EXPECT_EQ(again.folder, folder);
  EXPECT_EQ(again.selected, again.name);  // empty, or all of it selected: typing replaces it
  EXPECT_TRUE(shown.isEmpty()) << shown.join('\n').toStdString();
  EXPECT_EQ(window.Config().RngMin, 10);
}

// Until the user has been in a folder with a dialog, it opens in the documents folder, or in the
// home folder without one; never in the folder the program was started from.
TEST_F(FileDialogs, TheFirstTimeADialogOpensInTheDocumentsFolderOrHome) {
  const QString documents = files.filePath("Documents");
  const QString userDirs = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("user-dirs.dirs");
  ASSERT_TRUE(QDir().mkpath(QFileInfo(userDirs).path()));
  testing::WriteFile(userDirs, "XDG_DOCUMENTS_DIR=\"" + documents.toUtf8() + "\"\n");
  const auto forget = qScopeGuard([&] { QFile::remove(userDirs); });
  ASSERT_NE(QDir::currentPath(), QDir::homePath());

  ASSERT_TRUE(QDir().mkpath(documents));
  EXPECT_EQ(FirstFolder(), documents);
  EXPECT_EQ(OpenProfile("").folder, documents);  // and cancelled
  ASSERT_TRUE(QDir(documents).removeRecursively());
  EXPECT_EQ(FirstFolder(), QDir::homePath());
}

}  // namespace
}  // namespace zelto::app
