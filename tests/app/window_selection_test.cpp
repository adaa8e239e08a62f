#include "window_test_support.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace zelto::app {
namespace {

using testing::Find;
using testing::Pick;

constexpr int kParametrs = 0, kCorrection = 1;
constexpr int kDastra2 = 1, kVelmor7 = 2;

class Selection : public ::testing::Test {
 protected:
  Selection() { window.show(); }

  QComboBox* List(const char* name) const { return Find<QComboBox>(window, name); }
  QString Text(const char* name) const { return Find<QLineEdit>(window, name)->text(); }
  QTabWidget* Pages() const { return Find<QTabWidget>(window, "Function"); }
  void ChooseOutput(int item) {
    auto* group = Find<QButtonGroup>(window, "SetOutCurrentItems");
    QTest::mouseClick(group->button(item), Qt::LeftButton);
  }

  TZelto window{"Velmor7"};
};

TEST_F(Selection, EachModelKeepsItsSensorListSelectionAndItsTab) {
  Pick(*List("TypeSensor_2"), 11);  // type K on Velmor-7
  Pick(*List("TypeDevice"), kDastra2);
  EXPECT_TRUE(List("TypeSensor_1")->isVisible());
  EXPECT_FALSE(List("TypeSensor_2")->isVisible());
  EXPECT_EQ(List("TypeSensor_1")->currentIndex(), 0);
  EXPECT_EQ(window.Config().Device, kDastra2);
  EXPECT_EQ(window.Config().Sensor, 0);
  EXPECT_EQ(Pages()->currentIndex(), kCorrection);
  EXPECT_FALSE(Pages()->isTabVisible(kParametrs));
  EXPECT_FALSE(Find<QWidget>(window, "PanSetVelmor6")->isVisible());
  EXPECT_TRUE(Find<QWidget>(window, "PanRangeD")->isVisible());
  EXPECT_EQ(Find<QLabel>(window, "HeadDevice")->text(), "Конфигуратор Velmor-7, Dastra-2");

  Pick(*List("TypeSensor_1"), 8);  // Pt100
  Pick(*List("TypeDevice"), kVelmor7);
  EXPECT_EQ(List("TypeSensor_2")->currentIndex(), 11);
  EXPECT_EQ(window.Config().Sensor, 11);
  EXPECT_EQ(std::pair(Text("RangeMin"), Text("RangeMax")),
            std::pair(QString("-50"), QString("1300")));
  EXPECT_EQ(Pages()->currentIndex(), kParametrs);
  EXPECT_FALSE(Pages()->isTabVisible(kCorrection));
  EXPECT_TRUE(Find<QWidget>(window, "PanSetVelmor6")->isVisible());
  EXPECT_FALSE(Find<QWidget>(window, "PanSetDastra")->isVisible());
  EXPECT_EQ(Find<QLabel>(window, "HeadDevice")->text(), "Velmor7");

  Pick(*List("TypeDevice"), kDastra2);
  EXPECT_EQ(List("TypeSensor_1")->currentIndex(), 8);
  EXPECT_EQ(window.Config().Rezist, 1);
}

TEST_F(Selection, ADeviceChangeStartsFromAFreshRecordOnItsOutputRange) {
  ChooseOutput(0);
  ASSERT_EQ(window.Config().CrtMax, 5);
  Pick(*List("TypeDevice"), kDastra2);
  Pick(*List("TypeDevice"), kVelmor7);
  EXPECT_EQ(std::pair(window.Config().CrnMix, window.Config().CrtMax), std::pair(4, 20));
  EXPECT_TRUE(Find<QButtonGroup>(window, "SetOutCurrentItems")->button(2)->isChecked());
  EXPECT_EQ(Text("SchiftZero"), "7,2");
}

TEST_F(Selection, SignalInputsReshapeTheView) {
  Pick(*List("TypeSensor_2"), 15);
  EXPECT_FALSE(Find<QWidget>(window, "LineFunc")->isVisible());
  EXPECT_FALSE(Find<QWidget>(window, "SetSheme")->isEnabled());
  EXPECT_FALSE(Find<QWidget>(window, "SetCoolJunk")->isEnabled());
  EXPECT_EQ(Find<QLabel>(window, "LabelRange")->text(), "Напряжение,  мВ");
  EXPECT_EQ(Find<QLineEdit>(window, "RangeMax")->accessibleName(), "Максимум, Напряжение,  мВ");
  EXPECT_EQ(std::pair(Text("RangeMin"), Text("RangeMax")), std::pair(QString("0"), QString("100")));

  Pick(*List("TypeSensor_2"), 20);
  EXPECT_TRUE(Find<QWidget>(window, "SetSheme")->isEnabled());
  EXPECT_EQ(Find<QLabel>(window, "LabelRange")->text(), "Сопротивление,Ом");
  EXPECT_EQ(Text("RangeMax"), "320");
}

TEST_F(Selection, ColdJunctionIsKeptForThermocouplesAndClearedForThermometers) {
  auto* coldJunction = Find<QCheckBox>(window, "SetCoolJunk");
  Pick(*List("TypeSensor_2"), 9);
  EXPECT_TRUE(Find<QWidget>(window, "LineFunc")->isVisible());
  QTest::mouseClick(coldJunction, Qt::LeftButton);
  ASSERT_TRUE(coldJunction->isChecked());
  Pick(*List("TypeSensor_2"), 11);
  EXPECT_TRUE(coldJunction->isChecked());
  Pick(*List("TypeSensor_2"), 8);
  EXPECT_FALSE(coldJunction->isChecked());
  EXPECT_FALSE(coldJunction->isEnabled());
}

TEST_F(Selection, TheOutputRangeSetsTheCurrentsAndTheNominalOnes) {
  ChooseOutput(2);
  EXPECT_EQ(std::pair(Text("CurrentMin"), Text("CurrentMax")),
            std::pair(QString("4"), QString("20")));
  ChooseOutput(0);
  EXPECT_EQ(std::pair(Text("CurrentMin"), Text("CurrentMax")),
            std::pair(QString("0"), QString("5")));
  EXPECT_EQ(Find<QLabel>(window, "SetCurentZero")->text(), "1,000");
  EXPECT_EQ(Find<QLabel>(window, "SetCurentFull")->text(), "3,000");
  EXPECT_EQ(Text("SchiftFull"), "3");
}

TEST_F(Selection, ProgrammaticSelectionsRunNoHandler) {
  List("TypeSensor_2")->setCurrentIndex(12);
  List("TypeDevice")->setCurrentIndex(kDastra2);
  EXPECT_EQ(window.Config().Sensor, 0);
  EXPECT_EQ(window.Config().Device, kVelmor7);
}

}  // namespace
}  // namespace zelto::app
