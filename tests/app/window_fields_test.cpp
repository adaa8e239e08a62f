#include "window_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <QTest>

namespace zelto::app {
namespace {

using testing::FieldTexts;
using testing::Find;

// A Dastra-2 connected to a simulated transmitter, so that the range fields can be reached.
class Fields : public ::testing::Test, public testing::OnSimulator {
 protected:
  Fields() : OnSimulator(testing::kDastra2) { Connect(); }

  QLineEdit* Field(const char* name) const { return Find<QLineEdit>(window, name); }
  void Enter(QLineEdit* field) { QTest::keyClick(field, Qt::Key_Return); }
  void Leave() { Find<QWidget>(window, "WriteUser")->setFocus(Qt::TabFocusReason); }
};

TEST_F(Fields, APointEmptyOrGroupedNumberIsRefusedAndNothingStored) {
  Type("SetZero", "12.5");
  EXPECT_EQ(shown, QStringList{"Неверный формат числа"});
  EXPECT_FLOAT_EQ(window.Config().TmpZero, 0.0f);
  EXPECT_EQ(Field("SetZero")->text(), "12.5");  // until the field is entered again

  Leave();  // leaving commits the same text and is refused the same way
  EXPECT_EQ(shown.size(), 2);
  Field("SetZero")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(Field("SetZero")->text(), "0");

  for (const QString& text : {QString(), QStringLiteral("1 000")}) {  // empty, and grouped
    shown.clear();
    Field("RangeMax")->setFocus(Qt::TabFocusReason);
    Field("RangeMax")->setText(text);
    Enter(Field("RangeMax"));
    EXPECT_EQ(shown, QStringList{"Неверный формат числа"}) << text.toStdString();
  }
  EXPECT_EQ(window.Config().RngMax, 200);
}

TEST_F(Fields, TheRangeIsKeptInWholeNumbersAndRefusalsShowTheKeptValue) {
  Type("RangeMax", "100,7");
  EXPECT_EQ(window.Config().RngMax, 100);
  EXPECT_EQ(Field("RangeMax")->text(), "100");

  Field("RangeMax")->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(Field("RangeMax"), "5000");  // beyond the sensor's 200
  Leave();
  EXPECT_EQ(window.Config().RngMax, 100);
  EXPECT_EQ(Field("RangeMax")->text(), "100");
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(Fields, EveryCommitRefreshesAllEightFields) {
  Type("RangeMin", "0");
  // The span is now 0..200: T1 0 and T2 100 lie at 4 and 12 mA, taken over as measured.
  EXPECT_EQ(FieldTexts(window), (QStringList{"0", "200", "4", "20", "0", "4", "100", "12"}));
  EXPECT_EQ(Find<QLabel>(window, "SetCurentFull")->text(), "12,000");

  Type("SchiftFull", "12,5");
  EXPECT_EQ(FieldTexts(window), (QStringList{"0", "200", "4", "20", "0", "4", "100", "12,5"}));
}

TEST_F(Fields, ACommaNumberIsStoredAndLeavingAfterEnterCommitsTheShownTextOnceMore) {
  Type("SetZero", "12,345");
  EXPECT_FLOAT_EQ(window.Config().TmpZero, 12.345f);
  EXPECT_EQ(Field("SetZero")->text(), "12,35");
  Leave();
  EXPECT_FLOAT_EQ(window.Config().TmpZero, 12.35f);
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(Fields, TheReadOnlyCurrentsShowSelectedAndCommitUnchanged) {
  QLineEdit* current = Field("CurrentMax");
  EXPECT_TRUE(current->isReadOnly());
  current->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(current->text(), "20");
  EXPECT_EQ(current->selectedText(), "20");
  Leave();
  EXPECT_EQ(window.Config().CrtMax, 20);
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(Fields, TheCalculatorShowsZeroOnEntryAndFillsTheOtherField) {
  testing::ShowServiceView(window);
  Find<QTabWidget>(window, "Function")->setCurrentIndex(2);
  QLineEdit* temperature = Field("SetTemp");
  QLineEdit* signal = Field("RezCalc");

  Type("SetTemp", "100");
  // Copper thermometers have no EMF tables of their own; the calculator uses type K's.
  EXPECT_EQ(signal->text(), "4,096");

  signal->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(signal->text(), "0");
  QTest::keyClicks(signal, "4,096");
  Enter(signal);
  EXPECT_NEAR(QLocale(QLocale::Russian).toDouble(temperature->text()), 100.0, 0.05);
  temperature->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(temperature->text(), "0");
}

TEST_F(Fields, ADebugFieldWorksTheQuantityOfTheFieldEnteredBeforeIt) {
  testing::ShowServiceView(window);
  Field("RangeMax")->setFocus(Qt::TabFocusReason);
  Find<QTabWidget>(window, "Function")->setCurrentIndex(3);
  QLineEdit* debug = Field("Edit2");
  debug->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(debug->text(), "200");
  QTest::keyClicks(debug, "150");
  Enter(debug);
  EXPECT_EQ(window.Config().RngMax, 150);
  EXPECT_EQ(Field("RangeMax")->text(), "150");
}

}  // namespace
}  // namespace zelto::app
