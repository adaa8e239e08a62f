// The window in English and in Russian: its own texts follow the language, its sensor lists and
// dialogs included; the memo's lines do not; and no caption is cut off in either.
#include "link/interface_language.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace zelto::app {
namespace {

using testing::Find;
using testing::kDastra2;

// The interface in a language for as long as it lives; Russian again afterwards, as the other
// tests expect.
class InLanguage {
 public:
  explicit InLanguage(InterfaceLanguage language) { EXPECT_TRUE(InstallTranslations(language)); }
  ~InLanguage() { InstallTranslations(InterfaceLanguage::kRussian); }
};

// What the user reads of a connected Dastra-2 after "Чтение", in the given language.
struct Seen {
  QString caption;
  QString readButton;
  QString fileMenu;
  QString correctionTab;
  QString status;
  QString memo;
  QString firstSensor;
  QStringList boxes;
};

Seen ReadADevice(InterfaceLanguage language) {
  const InLanguage speaking(language);
  testing::OnSimulator on(kDastra2);
  const TZelto& window = on.window;
  on.Connect();
  on.Click("ReadFromCom");
  Seen seen{window.windowTitle(),
            Find<QPushButton>(window, "ReadFromCom")->text(),
            Find<QMenu>(window, "File1")->title(),
            Find<QTabWidget>(window, "Function")->tabText(1),
            on.Status(),
            Find<QPlainTextEdit>(window, "InforF")->toPlainText(),
            Find<QComboBox>(window, "TypeSensor_1")->itemText(0),
            {}};
  on.Type("RangeMax", "1.5");  // a box of the window's own
  seen.boxes = on.shown;
  return seen;
}

TEST(Languages, TheWindowsOwnTextsFollowTheLanguageAndTheMemoDoesNot) {
  const Seen russian = ReadADevice(InterfaceLanguage::kRussian);
  const Seen english = ReadADevice(InterfaceLanguage::kEnglish);
  EXPECT_EQ(russian.caption, "Конфигуратор Velmor-7, Dastra-2");
  EXPECT_EQ(english.caption, "Velmor-7, Dastra-2 Configurator");
  EXPECT_EQ(russian.readButton, "Чтение");
  EXPECT_EQ(english.readButton, "Read");
  EXPECT_EQ(english.fileMenu, "&File");
  EXPECT_EQ(english.correctionTab, "Range correction");
  EXPECT_EQ(russian.status, "Чтение завершено");
  EXPECT_EQ(english.status, "Read complete");
  EXPECT_EQ(russian.boxes, QStringList{"Неверный формат числа"});
  // An English user types a decimal point, and must learn that the window takes a comma.
  EXPECT_EQ(english.boxes, QStringList{"Invalid number format: use a decimal comma, e.g. 12,5"});
  // The summary: the same bytes in both.
  ASSERT_FALSE(russian.memo.isEmpty());
  EXPECT_EQ(english.memo, russian.memo);
  EXPECT_EQ(russian.firstSensor, "1   Термосопротивление 50M    R100/R0=1,426   (-50...+200) °C");
  EXPECT_EQ(english.firstSensor, "1   RTD 50M    R100/R0=1,426   (-50...+200) °C");
}

TEST(Languages, TheLocaleChoosesRussianForRussianAndForCAndEnglishForTheRest) {
  EXPECT_EQ(LanguageOfUiLanguages({"ru-RU", "ru"}), InterfaceLanguage::kRussian);
  EXPECT_EQ(LanguageOfUiLanguages({"C"}), InterfaceLanguage::kRussian);
  EXPECT_EQ(LanguageOfUiLanguages({}), InterfaceLanguage::kRussian);
  EXPECT_EQ(LanguageOfUiLanguages({"de-DE", "de"}), InterfaceLanguage::kEnglish);
  EXPECT_EQ(LanguageOfUiLanguages({"en-US"}), InterfaceLanguage::kEnglish);
  EXPECT_EQ(LanguageOfUiLanguages({"fr", "ru-RU"}), InterfaceLanguage::kEnglish);  // the first
}

// The dialogs' and boxes' own buttons speak the interface's language too.
TEST(Languages, QtsOwnTextsAreRussianInTheRussianInterface) {
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Отмена");
  const InLanguage speaking(InterfaceLanguage::kEnglish);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

// The port as the user knows it: the path given with --port or picked from the list.
TEST(Languages, APortStatusNamesItsNumberAndItsPathInEitherLanguage) {
  for (const auto& [language, expected] :
       {std::pair{InterfaceLanguage::kRussian, "Порт Com1 (/dev/does-not-exist) не найден"},
        {InterfaceLanguage::kEnglish, "Port Com1 (/dev/does-not-exist) not found"}}) {
    const InLanguage speaking(language);
    TZelto window("Velmor7", testing::WithPorts({{"/dev/does-not-exist", ""}}));
    window.show();
    QTest::mouseClick(Find<QToolButton>(window, "Connect"), Qt::LeftButton);
    EXPECT_EQ(testing::Status(window), QString::fromUtf8(expected));
    // Whole under the pointer, however narrow the panel.
    EXPECT_EQ(Find<QLabel>(window, "StatusPanel3")->toolTip(), QString::fromUtf8(expected));
  }
}

// Every caption the window shows whole, in both languages, with each model's view.
TEST(Languages, NoCaptionIsCutOffInEitherLanguage) {
  for (const InterfaceLanguage language :
       {InterfaceLanguage::kRussian, InterfaceLanguage::kEnglish}) {
    const InLanguage speaking(language);
    for (const int model : {0, 1, 2}) {
      TZelto window("Velmor7", testing::WithPorts({}));
      window.ChooseDevice(model);
      testing::ShowServiceView(window);  // its captions too
      window.show();
      QCoreApplication::processEvents();
      const auto check = [&](QWidget* control, const QString& text) {
        if (!control->isVisible() || text.isEmpty())
          return;
        EXPECT_GE(control->width(), control->minimumSizeHint().width())
            << control->objectName().toStdString() << " '" << text.toStdString() << "' model "
            << model << (language == InterfaceLanguage::kEnglish ? " en" : " ru");
      };
      for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        check(button, button->text());
      for (QLabel* label : window.findChildren<QLabel*>())
        check(label, label->text());
      for (QGroupBox* group : window.findChildren<QGroupBox*>())
        check(group, group->title());
    }
  }
}

}  // namespace
}  // namespace zelto::app
