// The menus by keyboard, in both languages: Alt and a menu's letter opens it, and an entry's
// letter chooses the entry.
#include "link/interface_language.h"
#include "window_test_support.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <set>

namespace zelto::app {
namespace {

using testing::Find;

// The interface in a language for as long as it lives; Russian again afterwards.
class Speaking {
 public:
  explicit Speaking(InterfaceLanguage language) { EXPECT_TRUE(InstallTranslations(language)); }
  ~Speaking() { InstallTranslations(InterfaceLanguage::kRussian); }
};

// The letter of a menu's or an entry's text, as a key; 0 when it has none.
int LetterOf(const QString& text) {
  return QKeySequence::mnemonic(text)[0].key();
}

// Every menu of the bar and every entry, the hidden ones too, has a letter, and none shares
// its letter with another of the same menu.
void ExpectLettersEverywhere(const QMenu& menu) {
  std::set<int> letters;
  for (const QAction* entry : menu.actions()) {
    if (entry->isSeparator())
      continue;
    const int letter = LetterOf(entry->text());
    EXPECT_NE(letter, 0) << entry->text().toStdString();
    EXPECT_TRUE(letters.insert(letter).second) << entry->text().toStdString();
    if (const QMenu* submenu = entry->menu())
      ExpectLettersEverywhere(*submenu);
  }
}

struct MenuKeys {
  InterfaceLanguage language;
  Qt::Key menu;
  QString menuText;
  Qt::Key entry;
  QString entryText;
};

TEST(MenuKeys, AltAndTheLetterOpenTheFileMenuAndTheEntrysLetterChoosesIt) {
  for (const MenuKeys& keys :
       {MenuKeys{InterfaceLanguage::kRussian, Qt::Key(0x0424), "ф", Qt::Key(0x0416), "ж"},
        MenuKeys{InterfaceLanguage::kEnglish, Qt::Key_F, "f", Qt::Key_L, "l"}}) {
    const Speaking speaking(keys.language);
    testing::OnSimulator on;
    const QMenuBar& bar = *Find<QMenuBar>(on.window, "MainMenu1");
    for (const QAction* menu : bar.actions()) {
      EXPECT_NE(LetterOf(menu->text()), 0) << menu->text().toStdString();
      ExpectLettersEverywhere(*menu->menu());
    }

    QSignalSpy chosen(Find<QAction>(on.window, "SaveMemo"), &QAction::triggered);
    QTest::sendKeyEvent(QTest::Click, &on.window, keys.menu, keys.menuText, Qt::AltModifier);
    auto* opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->objectName(), "File1");
    QTest::sendKeyEvent(QTest::Click, opened, keys.entry, keys.entryText, Qt::NoModifier);
    EXPECT_EQ(chosen.count(), 1);  // "Сохранить журнал…", whose dialog is answered with a cancel
  }
}

TEST(MenuKeys, AltAndTheLetterOpenTheCheckMenuAndItsLogEntry) {
  for (const MenuKeys& keys :
       {MenuKeys{InterfaceLanguage::kRussian, Qt::Key(0x041F), "п", Qt::Key(0x0416), "ж"},
        MenuKeys{InterfaceLanguage::kEnglish, Qt::Key_K, "k", Qt::Key_L, "l"}}) {
    const Speaking speaking(keys.language);
    testing::OnSimulator on;
    QSignalSpy chosen(Find<QAction>(on.window, "CheckLog"), &QAction::triggered);
    QTest::sendKeyEvent(QTest::Click, &on.window, keys.menu, keys.menuText, Qt::AltModifier);
    auto* opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->objectName(), "CheckMenu");
    // The check itself waits for a device.
    EXPECT_FALSE(Find<QAction>(on.window, "CheckOutput")->isEnabled());
    QTest::sendKeyEvent(QTest::Click, opened, keys.entry, keys.entryText, Qt::NoModifier);
    EXPECT_EQ(chosen.count(), 1);
    if (auto* log = on.window.findChild<QWidget*>(QStringLiteral("CheckLog")))
      log->close();
  }
}

}  // namespace
}  // namespace zelto::app
