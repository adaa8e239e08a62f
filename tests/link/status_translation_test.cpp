// The core's texts as the user reads them: in English through the translation of their Russian
// templates, with the values of the text put back where the template has them.
#include "link/status_translation.h"

#include "link/interface_language.h"
#include "link/status_texts.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

// English for as long as it lives; Russian again afterwards, as the other tests expect.
class InEnglish : public ::testing::Test {
 protected:
  InEnglish() { EXPECT_TRUE(InstallTranslations(InterfaceLanguage::kEnglish)); }
  ~InEnglish() override { InstallTranslations(InterfaceLanguage::kRussian); }
};

struct Row {
  std::string russian;
  const char* english;
};

TEST_F(InEnglish, APortIsNamedByItsNumberAndItsPathWhateverThePathHolds) {
  const Row rows[] = {
      {OpenFailureStatus(2, OpenFailure::kNoDevice, "/dev/ttyUSB0"),
       "Port Com2 (/dev/ttyUSB0) not found"},
      {SearchingStatus(12, "/dev/ttyUSB0"), "Searching on Com12 (/dev/ttyUSB0). Please wait!"},
      {SearchingStatus(3), "Searching on Com3. Please wait!"},
      {PortGoneStatus(4, "/dev/serial/by-id/usb-(left)-port0"),
       "Port Com4 (/dev/serial/by-id/usb-(left)-port0) unplugged"},
      // The template goes on with brackets of its own after the port's.
      {OpenFailureStatus(5, OpenFailure::kNoAccess, "/dev/ttyS4"),
       "No access to port Com5 (/dev/ttyS4): add the user to the dialout group (sudo usermod "
       "-aG dialout $USER) and log in again"},
      // A path that looks like a placeholder stays what it is.
      {OpenFailureStatus(6, OpenFailure::kBusy, "/tmp/%1 and %2"),
       "Port Com6 (/tmp/%1 and %2) is in use by another program"},
      {InvalidPortNumberStatus(300), "Invalid port number Com300"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(TranslateStatus(row.russian).toStdString(), row.english) << row.russian;
}

TEST_F(InEnglish, EveryNumberOfATextIsOneOfItsValues) {
  const Row rows[] = {
      {"Допустимо: −50…199", "Allowed: −50…199"},
      {"Допустимо: 12,5…100, T1 < T2", "Allowed: 12,5…100, T1 < T2"},
      {"Допустимо: |I − 4,016| < 0,32 мА", "Allowed: |I − 4,016| < 0,32 mA"},
      {"слово 24", "word 24"},
      {"Резервная копия сохранена: 20261207-141502-123-ttyUSB0-1",
       "Backup saved: 20261207-141502-123-ttyUSB0-1"},
      {"Текст, которого никто не переводил", "Текст, которого никто не переводил"},
  };
  for (const Row& row : rows) {
    const char* scope = row.russian.starts_with("слово") ? "Zelto" : "status";
    EXPECT_EQ(TranslateMarked(row.russian, scope).toStdString(), row.english) << row.russian;
  }
}

TEST_F(InEnglish, TheToolSaysItsReasonsWithTheValuesPutInOnce) {
  EXPECT_EQ(ToolText("недопустимое значение '%1' для %2", {"%2", "--baud"}),
            "invalid value '%2' for --baud");
  EXPECT_EQ(ToolText("такой модели нет (0, 1 или 2)"), "no such model (0, 1 or 2)");
  InstallTranslations(InterfaceLanguage::kRussian);
  EXPECT_EQ(ToolText("недопустимое значение '%1' для %2", {"4801", "--baud"}),
            "недопустимое значение '4801' для --baud");
}

TEST_F(InEnglish, PhrasesAreTranslatedLongestFirstAndNeverTwice) {
  const std::vector<std::string_view> phrases{" от ", "Диапазон:", "Линейно от температуры",
                                              "Линейно от термоЭДС", "мВ"};
  EXPECT_EQ(TranslatePhrases("Диапазон: (0...600)°C  Линейно от температуры", phrases, "Zelto")
                .toStdString(),
            "Range: (0...600)°C  Linear in temperature");
  EXPECT_EQ(TranslatePhrases("Диапазон: (-50...+600)°C Линейно от термоЭДС(-1,9...+41,3) мВ",
                             phrases, "Zelto")
                .toStdString(),
            "Range: (-50...+600)°C Linear in thermo-EMF(-1,9...+41,3) mV");
  EXPECT_EQ(TranslatePhrases("Velmor-7  от  5.03.2009", phrases, "Zelto").toStdString(),
            "Velmor-7  dated  5.03.2009");
}

}  // namespace
}  // namespace zelto
