#include "check/check_plan.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zelto::check {
namespace {

const std::vector<double> kQuarters{0, 25, 50, 75, 100};

struct Expected {
  double temperature;
  double signal;
  double current;
};

struct PlanCase {
  std::string name;
  CheckedConfiguration configuration;
  std::vector<double> percents;
  SignalUnit unit;
  std::vector<Expected> points;
  double signalTolerance;
  double currentTolerance = 1e-5;
};

CheckedConfiguration Loading(int sensor, int32_t low, int32_t high) {
  CheckedConfiguration c;
  c.model = config::kDeviceDastra2;
  c.sensor = sensor;
  c.rangeMin = c.devRangeMin = low;
  c.rangeMax = c.devRangeMax = high;
  return c;
}

CheckedConfiguration Velmor(int sensor, int32_t low, int32_t high, int outputRange) {
  CheckedConfiguration c = Loading(sensor, low, high);
  c.model = config::kDeviceVelmor7;
  c.outputRange = outputRange;
  return c;
}

CheckedConfiguration LinearK() {
  CheckedConfiguration c = Loading(11, 0, 1000);
  c.linearEmf = true;
  c.devRangeMin = 0;    // E(0 °C) = 0 mV, in tenths
  c.devRangeMax = 412;  // E(1000 °C) = 41.276 mV, in tenths and cut
  return c;
}

// By hand: copper W = 1 + 0.00426 t; platinum by the Callendar-Van Dusen equation, A 3.9083e-3,
// B -5.775e-7 and below 0 °C C -4.183e-12: W(-50) = 1 - 0.195415 - 0.00144375 - 0.0000522875
// - 0.00002614375; thermocouples from the ITS-90 reference tables; linear in EMF, K from 0 to
// 1000 °C has the range words 0 and 412 tenths of a mV, so 500 °C (20.644 mV) gives
// 4 + 16 x 206.44 / 412 mA.
const std::vector<PlanCase>& Cases() {
  static const std::vector<PlanCase> cases{
      {"copper 100M 1.426",
       Loading(2, 0, 100),
       kQuarters,
       SignalUnit::kOhm,
       {{0, 100.0, 4}, {25, 110.65, 8}, {50, 121.3, 12}, {75, 131.95, 16}, {100, 142.6, 20}},
       1e-4},
      {"platinum Pt100 below and above 0 °C",
       Loading(8, -50, 150),
       {0, 25, 100},
       SignalUnit::kOhm,
       {{-50, 80.306281875, 4}, {0, 100.0, 8}, {150, 157.325125, 20}},
       2e-4},
      {"thermocouple K",
       Loading(11, 0, 1000),
       kQuarters,
       SignalUnit::kMillivolt,
       {{0, 0.0, 4}, {250, 10.153, 8}, {500, 20.644, 12}, {750, 31.213, 16}, {1000, 41.276, 20}},
       2e-3},
      {"thermocouple S on Velmor-7",
       Velmor(12, 0, 1600, config::kOutput4To20),
       kQuarters,
       SignalUnit::kMillivolt,
       {{0, 0.0, 4}, {400, 3.259, 8}, {800, 7.345, 12}, {1200, 11.951, 16}, {1600, 16.777, 20}},
       2e-3},
      {"thermocouple K linear in EMF",
       LinearK(),
       {0, 50, 100},
       SignalUnit::kMillivolt,
       {{0, 0.0, 4}, {500, 20.644, 4 + 16 * 206.44 / 412}, {1000, 41.276, 4 + 16 * 412.76 / 412}},
       2e-3,
       1e-3},
      {"voltage input 0..100 mV",
       Velmor(15, 0, 100, config::kOutput4To20),
       kQuarters,
       SignalUnit::kMillivolt,
       {{0, 0, 4}, {25, 25, 8}, {50, 50, 12}, {75, 75, 16}, {100, 100, 20}},
       0},
      {"current input 4..20 mA",
       Velmor(19, 4, 20, config::kOutput4To20),
       {0, 12.5, 100},
       SignalUnit::kMilliampere,
       {{4, 4, 4}, {6, 6, 6}, {20, 20, 20}},
       0},
      {"resistance input 0..320 Ω",
       Velmor(20, 0, 320, config::kOutput4To20),
       {0, 50},
       SignalUnit::kOhm,
       {{0, 0, 4}, {160, 160, 12}},
       0},
      {"Velmor-7 on 0..5 mA",
       Velmor(8, 0, 100, config::kOutput0To5),
       {0, 50, 100},
       SignalUnit::kOhm,
       {{0, 100.0, 0}, {50, 119.397, 2.5}, {100, 138.5055, 5}},
       1e-3},
      {"Velmor-7 on 0..20 mA",
       Velmor(8, 0, 100, config::kOutput0To20),
       {0, 50, 100},
       SignalUnit::kOhm,
       {{0, 100.0, 0}, {50, 119.397, 10}, {100, 138.5055, 20}},
       1e-3},
      {"Velmor-7 on 4..20 mA",
       Velmor(8, 0, 100, config::kOutput4To20),
       {0, 50, 100},
       SignalUnit::kOhm,
       {{0, 100.0, 4}, {50, 119.397, 12}, {100, 138.5055, 20}},
       1e-3},
  };
  return cases;
}

TEST(CheckPlan, GivesEachPointItsSignalAndNominalCurrent) {
  for (const PlanCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const auto planned = PlanCheck(c.configuration, c.percents);
    ASSERT_TRUE(std::holds_alternative<CheckPlan>(planned));
    const auto& points = std::get<CheckPlan>(planned).points;
    ASSERT_EQ(points.size(), c.points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
      SCOPED_TRACE(c.percents[i]);
      EXPECT_EQ(points[i].percent, c.percents[i]);
      EXPECT_DOUBLE_EQ(points[i].temperature, c.points[i].temperature);
      EXPECT_EQ(points[i].signalUnit, c.unit);
      EXPECT_NEAR(points[i].signal, c.points[i].signal, c.signalTolerance);
      EXPECT_NEAR(points[i].expected, c.points[i].current, c.currentTolerance);
    }
  }
}

TEST(CheckPlan, SpansTheOutputRangeOfTheModel) {
  const struct {
    CheckedConfiguration configuration;
    double low;
    double span;
  } cases[]{{Loading(8, 0, 100), 4, 16},
            {Velmor(8, 0, 100, config::kOutput0To5), 0, 5},
            {Velmor(8, 0, 100, config::kOutput0To20), 0, 20},
            {Velmor(8, 0, 100, config::kOutput4To20), 4, 16}};
  for (const auto& c : cases) {
    const auto plan = std::get<CheckPlan>(PlanCheck(c.configuration, kQuarters));
    EXPECT_EQ(plan.output.low, c.low);
    EXPECT_EQ(plan.output.span, c.span);
  }
}

TEST(CheckPlan, MarksTheZeroPointOfAnOutputThatStopsAtZero) {
  for (const int output : {config::kOutput0To5, config::kOutput0To20, config::kOutput4To20}) {
    const auto plan = std::get<CheckPlan>(PlanCheck(Velmor(8, 0, 100, output), kQuarters));
    EXPECT_EQ(plan.points.front().clampedAtZero, output != config::kOutput4To20) << output;
    for (std::size_t i = 1; i < plan.points.size(); ++i)
      EXPECT_FALSE(plan.points[i].clampedAtZero) << output << " " << i;
  }
}

TEST(CheckPlan, RefusesWhatItCannotHoldTheUnitTo) {
  CheckedConfiguration zeroToTwenty = Loading(8, 0, 100);
  zeroToTwenty.currentWords = {0, 20};
  CheckedConfiguration unknownModel = Loading(8, 0, 100);
  unknownModel.model = 5;
  CheckedConfiguration squareRoot = Velmor(19, 4, 20, config::kOutput4To20);
  squareRoot.squareRoot = true;
  CheckedConfiguration linearVoltage = Velmor(15, 0, 100, config::kOutput4To20);
  linearVoltage.linearEmf = true;
  CheckedConfiguration linearFlat = LinearK();
  linearFlat.devRangeMax = linearFlat.devRangeMin;
  const struct {
    CheckedConfiguration configuration;
    std::vector<double> percents;
    Refusal refusal;
  } cases[]{
      {zeroToTwenty, kQuarters, Refusal::kCurrentRangeWords},
      {unknownModel, kQuarters, Refusal::kUnknownModel},
      {Velmor(8, 0, 100, 3), kQuarters, Refusal::kUnknownOutputRange},
      {squareRoot, kQuarters, Refusal::kSquareRoot},
      {Loading(33, 0, 100), kQuarters, Refusal::kUnknownSensor},
      {Loading(8, 100, 100), kQuarters, Refusal::kEmptyRange},
      {linearFlat, kQuarters, Refusal::kEmptyRange},
      {linearVoltage, kQuarters, Refusal::kLinearWithoutTables},
      {Loading(8, 0, 100), {50}, Refusal::kPointsCount},
      {Loading(8, 0, 100), {50, 25}, Refusal::kPointsNotAscending},
  };
  for (const auto& c : cases) {
    const auto planned = PlanCheck(c.configuration, c.percents);
    ASSERT_TRUE(std::holds_alternative<Refusal>(planned)) << RefusalText(c.refusal);
    EXPECT_EQ(std::get<Refusal>(planned), c.refusal) << RefusalText(c.refusal);
  }
}

TEST(CheckPlan, TakesTheVelmorSwitchesOnlyFromTheVelmor) {
  // The other family has no output-range byte: whatever the description carries there is not
  // its output.
  CheckedConfiguration loading = Loading(8, 0, 100);
  loading.outputRange = config::kOutput0To5;
  const auto plan = std::get<CheckPlan>(PlanCheck(loading, kQuarters));
  EXPECT_EQ(plan.output.span, 16);
  EXPECT_NEAR(plan.points.back().expected, 20, 1e-5);
}

}  // namespace
}  // namespace zelto::check
