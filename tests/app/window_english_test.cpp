// What the window shows in its own controls and dialogs reads in the interface's language:
// the sensor lists of every model, the compare before a write, the undo question with the
// summary it keeps, and what a field takes when it puts a refused value back.
#include "config/summary_lines.h"
#include "link/interface_language.h"
#include "link/status_translation.h"
#include "window_test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <optional>

namespace zelto::app {
namespace {

using testing::Find;
using testing::kDastra2;
using testing::kVelmor;

bool HasCyrillic(const QString& text) {
  static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  return text.contains(cyrillic);
}

// The interface in a language for as long as it lives, Russian again afterwards; and a data
// folder of its own for the backups the writes keep.
class Speaking : public ::testing::Test {
 protected:
  void Speak(InterfaceLanguage language) { EXPECT_TRUE(InstallTranslations(language)); }
  ~Speaking() override {
    InstallTranslations(InterfaceLanguage::kRussian);
    qputenv("XDG_DATA_HOME", previous_);
  }
  void KeepDataApart() { qputenv("XDG_DATA_HOME", QFile::encodeName(data_.path())); }

 private:
  QTemporaryDir data_;
  QByteArray previous_ = qgetenv("XDG_DATA_HOME");
};

TEST_F(Speaking, EveryModelsSensorListIsInTheInterfacesLanguage) {
  for (const InterfaceLanguage language :
       {InterfaceLanguage::kEnglish, InterfaceLanguage::kRussian}) {
    Speak(language);
    for (const int model : {0, kDastra2, kVelmor}) {
      TZelto window("Velmor7", testing::WithPorts({}));
      window.ChooseDevice(model);
      const char* name = model == 0          ? "TypeSensor_0"
                         : model == kDastra2 ? "TypeSensor_1"
                                             : "TypeSensor_2";
      const auto* list = Find<QComboBox>(window, name);
      ASSERT_EQ(list->count(), model == kVelmor ? 21 : 15);
      for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(HasCyrillic(list->itemText(i)), language == InterfaceLanguage::kRussian)
            << name << " " << list->itemText(i).toStdString();
        // Each entry keeps its number: the code the tool and the profiles take.
        EXPECT_TRUE(list->itemText(i).startsWith(QString::number(i + 1) + QLatin1Char(' ')));
      }
    }
  }
}

// Each line of the summary a backup keeps, whatever the device holds, shows in English in the
// undo question: no phrase of the summary lines is left without its translation.
TEST_F(Speaking, EverySummaryLineReadsInEnglishInTheWindow) {
  Speak(InterfaceLanguage::kEnglish);
  const auto phrases = config::SummaryPhrases();
  std::vector<std::string> lines{config::LoadingVersionLine(1, 0x02070000 | 2008),
                                 config::DateText(0x07D90305),
                                 std::string(config::kNotConfiguredLine)};
  for (const int code : {0, 8, 9, 11, 14, 15, 19, 20, 37}) {
    lines.push_back(config::SensorName(code));
    for (const std::uint32_t flags : {0x01000000u, 0x01000080u}) {
      const std::uint32_t state = flags | static_cast<std::uint32_t>(code);
      lines.push_back(config::LoadingRangeLine(state, -15, 250));
      for (const std::string& line : config::VelmorRangeLines(state, -15, 250))
        lines.push_back(line);
    }
  }
  for (const std::uint32_t word : {0x00000000u, 0x01010101u, 0x02020202u, 0x05050505u}) {
    for (const std::string& line : config::VelmorSwitchLines(word, word))
      lines.push_back(line);
  }
  for (const std::string& line : lines) {
    const QString shown = TranslatePhrases(line, phrases, "Zelto");
    EXPECT_FALSE(HasCyrillic(shown)) << line << " → " << shown.toStdString();
  }
}

TEST_F(Speaking, TheCompareAndTheUndoQuestionSpeakEnglishTheMemoRussian) {
  Speak(InterfaceLanguage::kEnglish);
  KeepDataApart();
  testing::OnSimulator on(kVelmor);
  on.Connect();
  on.Click("WriteToCom");  // what the device holds now, kept for the undo
  Find<QAction>(on.window, "CompareBeforeWrite")->setChecked(true);
  testing::Pick(*Find<QComboBox>(on.window, "TypeSensor_2"), 2);
  on.shown.clear();
  on.Click("WriteToCom");
  ASSERT_EQ(on.shown.size(), 1);
  const QString compare = on.shown.front();
  EXPECT_TRUE(compare.startsWith("The write will change on the device")) << compare.toStdString();
  EXPECT_TRUE(compare.contains("sensor: ")) << compare.toStdString();
  EXPECT_TRUE(compare.contains("RTD  100M R100/R0=1,426 (-50...+200)°C")) << compare.toStdString();
  EXPECT_FALSE(HasCyrillic(compare)) << compare.toStdString();

  on.shown.clear();
  Find<QAction>(on.window, "UndoWrite")->trigger();
  ASSERT_EQ(on.shown.size(), 1);
  const QString undo = on.shown.front();
  EXPECT_TRUE(undo.contains("The device held:\nVelmor-7  Firmware version ")) << undo.toStdString();
  EXPECT_FALSE(HasCyrillic(undo)) << undo.toStdString();
  // The memo keeps the summary's own words.
  EXPECT_TRUE(
      Find<QPlainTextEdit>(on.window, "InforF")->toPlainText().contains("Версия прошивки прибора"));
}

// A value out of its limits is put back, as ever; the status says what the field takes.
TEST_F(Speaking, ARefusedValueIsPutBackAndTheStatusSaysWhatTheFieldTakes) {
  for (const auto& [language, expected] :
       {std::pair{InterfaceLanguage::kRussian, "Допустимо: \u221249…200"},
        {InterfaceLanguage::kEnglish, "Allowed: \u221249…200"}}) {
    Speak(language);
    testing::OnSimulator on(kVelmor);
    testing::Pick(*Find<QComboBox>(on.window, "TypeSensor_2"), 0);  // -50..200
    on.Connect();
    on.Type("RangeMax", "5000");
    EXPECT_EQ(Find<QLineEdit>(on.window, "RangeMax")->text(), "200");
    EXPECT_EQ(on.Status(), QString::fromUtf8(expected));
    EXPECT_TRUE(on.shown.isEmpty());  // no box: the value was a number

    // Left by Tab, the same.
    auto* low = Find<QLineEdit>(on.window, "RangeMin");
    low->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(low, "700");
    QTest::keyClick(low, Qt::Key_Tab);
    EXPECT_EQ(low->text(), "-50");
    EXPECT_TRUE(on.Status().endsWith(QString::fromUtf8("50…199"))) << on.Status().toStdString();
  }
}

}  // namespace
}  // namespace zelto::app
