#include "check/check_texts.h"

#include <gtest/gtest.h>

namespace zelto::check {
namespace {

CheckedConfiguration Loading(int sensor, int32_t low, int32_t high) {
  CheckedConfiguration c;
  c.model = config::kDeviceDastra2;
  c.sensor = sensor;
  c.rangeMin = c.devRangeMin = low;
  c.rangeMax = c.devRangeMax = high;
  return c;
}

CheckPoint PlannedPoint(const CheckedConfiguration& configuration, double percent) {
  const std::vector<double> percents{0.0, percent == 0.0 ? 100.0 : percent};
  const auto plan = PlanCheck(configuration, percents);
  EXPECT_TRUE(std::holds_alternative<CheckPlan>(plan));
  return std::get<CheckPlan>(plan).points.at(percent == 0.0 ? 0 : 1);
}

TEST(CheckTexts, AskForThePointsSignalInTheWindowsNumbers) {
  CheckPoint millivolts;
  millivolts.temperatureRange = false;
  millivolts.temperature = millivolts.signal = 10;
  millivolts.signalUnit = SignalUnit::kMillivolt;
  const struct {
    CheckPoint point;
    bool coldJunction;
    const char* prompt;
  } cases[]{
      // 50M with W100 = 1.428: W(50) = 1.214 by the formula, 1.2138 by the configurator's own
      // tables, which the check keeps to.
      {PlannedPoint(Loading(3, 0, 100), 50), false, "Подайте 50 °C (60,69 Ом)"},
      {PlannedPoint(Loading(8, -50, 150), 12.5), false, "Подайте -25 °C (90,19 Ом)"},
      // Type K at 500 °C: 20.644 mV.
      {PlannedPoint(Loading(11, 0, 1000), 50), false, "Подайте 500 °C (20,644 мВ)"},
      {PlannedPoint(Loading(11, 0, 1000), 50), true,
       "Подайте 500 °C в режиме термопары калибратора, с его компенсацией холодного спая: "
       "компенсация прибора включена"},
      {millivolts, false, "Подайте 10,000 мВ"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SignalPrompt(c.point, c.coldJunction).toStdString(), c.prompt);

  // A calibrator that sets itself is not asked for anything: the user is told what it applies.
  EXPECT_EQ(CalibratorPrompt(cases[0].point, false).toStdString(),
            "Калибратор подаёт 50 °C (60,69 Ом)");
  EXPECT_EQ(CalibratorPrompt(cases[3].point, true).toStdString(), "Калибратор подаёт 500 °C");
  EXPECT_EQ(CalibratorPrompt(millivolts, true).toStdString(), "Калибратор подаёт 10,000 мВ");
}

TEST(CheckTexts, SignTheErrorUnlessItShowsAsZero) {
  const struct {
    double error;
    const char* text;
  } cases[]{{0.94, "+0,94"}, {-0.12, "-0,12"},  {-0.004, "0,00"}, {0.004, "0,00"},
            {-0.0, "0,00"},  {-0.006, "-0,01"}, {12.3, "+12,30"}};
  for (const auto& c : cases)
    EXPECT_EQ(ErrorText(c.error).toStdString(), c.text) << c.error;
}

TEST(CheckTexts, NameTheModelAsTheWindowDoes) {
  EXPECT_EQ(ModelText(config::kDeviceDastra2).toStdString(), "Dastra-2");
  EXPECT_EQ(ModelText(config::kDeviceVelmor7).toStdString(), "Velmor-7");
  EXPECT_EQ(ModelText(7).toStdString(), "модель 7");
}

TEST(CheckTexts, ShowEachPointWithItsErrorAndVerdict) {
  MeasuredPoint point;
  point.point = PlannedPoint(Loading(3, 0, 100), 50);
  point.measured = 12.0752;
  point.error = 0.47;
  point.result = PointResult::kFail;
  EXPECT_EQ(PointLine(CheckPass::kAsFound, point).toStdString(),
            "До подстройки, 50 %: 50 °C (60,69 Ом), ожидается 12,000 мА, измерено 12,075 мА, "
            "погрешность +0,47 %, вне допуска");
  point.measured = 11.9999;
  point.error = -0.0006;
  point.result = PointResult::kPass;
  EXPECT_EQ(PointLine(CheckPass::kAsLeft, point).toStdString(),
            "После подстройки, 50 %: 50 °C (60,69 Ом), ожидается 12,000 мА, измерено 12,000 мА, "
            "погрешность 0,00 %, в допуске");
  point.measured.reset();
  point.result = PointResult::kUnstable;
  EXPECT_EQ(PointLine(CheckPass::kAsFound, point).toStdString(),
            "До подстройки, 50 %: 50 °C (60,69 Ом), ожидается 12,000 мА, показания не "
            "установились");
  EXPECT_EQ(AdjustmentLine({{1.0f, 0.0f}, {0.996016f, -1.25f}, ""}).toStdString(),
            "Подстройка: Au 1 → 0,996016, Bu 0 → -1,25");
}

}  // namespace
}  // namespace zelto::check
