#include "check/check_adjustment.h"

#include "config/correction.h"

#include <cmath>
#include <gtest/gtest.h>

namespace zelto::check {
namespace {

CheckedConfiguration Pt100(int32_t low, int32_t high) {
  CheckedConfiguration c;
  c.model = config::kDeviceDastra2;
  c.sensor = 8;
  c.rangeMin = c.devRangeMin = low;
  c.rangeMax = c.devRangeMax = high;
  return c;
}

MeasuredPoint At(double temperature, double expected, std::optional<double> measured) {
  MeasuredPoint point;
  point.point.temperature = temperature;
  point.point.expected = expected;
  point.measured = measured;
  return point;
}

// What the unit makes of a perceived signal s (W) with a correction: Au x (s + Bu/10000).
double Corrected(const CorrectionPair& pair, double signal) {
  return pair.au * (signal + pair.bu / 10000.0);
}

TEST(CheckAdjustment, IsTheCorrectionCommandsPairOnAnUncorrectedUnit) {
  // Pt100 with a gain error of 0.4 %: 4.1638 mA at 0 °C and 20.2338 mA at 100 °C (the simulated
  // bench's own figures); the pair that takes it away is 1/1.004 and no offset.
  const auto adjusted =
      ComputeAdjustment(Pt100(0, 100), At(0, 4, 4.1638), At(100, 20, 20.2338), {1.0f, 0.0f});
  ASSERT_TRUE(std::holds_alternative<ComputedAdjustment>(adjusted))
      << std::get<std::string_view>(adjusted);
  const auto& pair = std::get<ComputedAdjustment>(adjusted);
  EXPECT_EQ(pair.written, pair.computed);
  EXPECT_NEAR(pair.written.au, 1 / 1.004, 2e-5);
  EXPECT_NEAR(pair.written.bu, 0.0, 0.2);  // in 1/10000 W: a few thousandths of a degree
}

TEST(CheckAdjustment, ComposesWithTheCorrectionTheUnitHolds) {
  const CorrectionPair held{1.02f, -35.0f};
  const auto adjusted =
      ComputeAdjustment(Pt100(-50, 150), At(-50, 4, 4.25), At(150, 20, 19.9), held);
  ASSERT_TRUE(std::holds_alternative<ComputedAdjustment>(adjusted));
  const auto& pair = std::get<ComputedAdjustment>(adjusted);
  EXPECT_NE(pair.written, pair.computed);
  // The composed pair does to a perceived signal what the held one and then the computed one do.
  for (const double signal : {0.8, 1.0, 1.3, 1.6}) {
    EXPECT_NEAR(Corrected(pair.written, signal), Corrected(pair.computed, Corrected(held, signal)),
                1e-6)
        << signal;
  }
  EXPECT_EQ(ComposeCorrection({1.0f, 0.0f}, pair.computed), pair.computed);
}

TEST(CheckAdjustment, RefusesInTheRulesOwnWords) {
  const CheckedConfiguration pt100 = Pt100(0, 100);
  CheckedConfiguration velmor = pt100;
  velmor.model = config::kDeviceVelmor7;
  CheckedConfiguration outsideSensor = pt100;
  outsideSensor.rangeMax = 5000;
  const struct {
    const char* name;
    CheckedConfiguration configuration;
    MeasuredPoint lowest;
    MeasuredPoint highest;
    std::string_view refusal;  // empty: computed
  } cases[]{
      {"within both bands", pt100, At(0, 4, 4.31), At(100, 20, 20.79), {}},
      {"0.32 mA off at the low end", pt100, At(0, 4, 4.32), At(100, 20, 20), kAdjustLowBandText},
      {"0.8 mA off at the high end", pt100, At(0, 4, 4), At(100, 20, 19.2), kAdjustHighBandText},
      {"an end that did not settle", pt100, At(0, 4, std::nullopt), At(100, 20, 20),
       kAdjustEndsNotSettledText},
      {"Velmor-7", velmor, At(0, 4, 4.1), At(100, 20, 20.1), kAdjustNoCorrectionText},
      {"a range beyond the sensor", outsideSensor, At(0, 4, 4.1), At(5000, 20, 20.1),
       kAdjustRangeText},
      {"the same current at both ends", pt100, At(0, 4, 4.2), At(1, 4.16, 4.2),
       config::kCorrectionSameSignalsText},
  };
  for (const auto& c : cases) {
    const auto adjusted = ComputeAdjustment(c.configuration, c.lowest, c.highest, {});
    if (c.refusal.empty()) {
      EXPECT_TRUE(std::holds_alternative<ComputedAdjustment>(adjusted)) << c.name;
    } else {
      ASSERT_TRUE(std::holds_alternative<std::string_view>(adjusted)) << c.name;
      EXPECT_EQ(std::get<std::string_view>(adjusted), c.refusal) << c.name;
    }
  }
}

}  // namespace
}  // namespace zelto::check
