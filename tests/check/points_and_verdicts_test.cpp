#include "check/point_verdict.h"
#include "check/test_points.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zelto::check {
namespace {

TEST(ParsePoints, TakesPercentsWithTheDecimalPoint) {
  const struct {
    std::string text;
    std::vector<double> points;
  } cases[]{
      {"0,25,50,75,100", {0, 25, 50, 75, 100}},
      {"0,100", {0, 100}},
      {" 10 , 12.5,90", {10, 12.5, 90}},
      {"0,10,20,30,40,50,60,70,80,90,100", {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
  };
  for (const auto& c : cases) {
    const auto parsed = ParsePoints(c.text);
    ASSERT_TRUE(std::holds_alternative<std::vector<double>>(parsed)) << c.text;
    EXPECT_EQ(std::get<std::vector<double>>(parsed), c.points) << c.text;
  }
  EXPECT_EQ(DefaultPoints(), (std::vector<double>{0, 25, 50, 75, 100}));
}

TEST(ParsePoints, RefusesWithTheReason) {
  const struct {
    std::string text;
    Refusal refusal;
  } cases[]{
      {"", Refusal::kPointsNotNumbers},
      {"0,,100", Refusal::kPointsNotNumbers},
      {"0,50,", Refusal::kPointsNotNumbers},
      {"0;100", Refusal::kPointsNotNumbers},
      {"0,12,5", Refusal::kPointsNotAscending},  // a decimal comma reads as three points
      {"0,x", Refusal::kPointsNotNumbers},
      {"0,nan", Refusal::kPointsNotNumbers},
      {"0,inf", Refusal::kPointsNotNumbers},
      {"0,0x10", Refusal::kPointsNotNumbers},
      {"50", Refusal::kPointsCount},
      {"0,9,18,27,36,45,54,63,72,81,90,99", Refusal::kPointsCount},
      {"-5,50", Refusal::kPointsOutsideRange},
      {"0,100.5", Refusal::kPointsOutsideRange},
      {"0,50,50", Refusal::kPointsNotAscending},
      {"100,0", Refusal::kPointsNotAscending},
  };
  for (const auto& c : cases) {
    const auto parsed = ParsePoints(c.text);
    ASSERT_TRUE(std::holds_alternative<Refusal>(parsed)) << c.text;
    EXPECT_EQ(std::get<Refusal>(parsed), c.refusal) << c.text;
  }
}

TEST(JudgePoint, GivesTheErrorInPercentOfSpanAndPassesWithinTheTolerance) {
  const OutputScale fourToTwenty{4, 16};
  const OutputScale zeroToFive{0, 5};
  const struct {
    OutputScale output;
    double expected;
    double measured;
    double tolerance;
    double error;
    PointResult result;
  } cases[]{
      {fourToTwenty, 12, 12, 0.25, 0, PointResult::kPass},
      {fourToTwenty, 12, 12.04, 0.25, 0.25, PointResult::kPass},  // on the tolerance itself
      {fourToTwenty, 12, 11.96, 0.25, -0.25, PointResult::kPass},
      {fourToTwenty, 12, 12.0401, 0.25, 0.250625, PointResult::kFail},
      {fourToTwenty, 4, 3.9, 0.5, -0.625, PointResult::kFail},
      {zeroToFive, 2.5, 2.5125, 0.25, 0.25, PointResult::kPass},
      {zeroToFive, 2.5, 2.52, 0.25, 0.4, PointResult::kFail},
  };
  for (const auto& c : cases) {
    CheckPoint point;
    point.expected = c.expected;
    const PointVerdict verdict = JudgePoint(point, c.output, c.measured, c.tolerance);
    EXPECT_NEAR(verdict.error, c.error, 1e-9) << c.measured;
    EXPECT_EQ(verdict.result, c.result) << c.measured;
  }
}

TEST(JudgePoint, FailsAReadingThatIsNoNumber) {
  CheckPoint point;
  point.expected = 12;
  EXPECT_EQ(JudgePoint(point, {4, 16}, NAN, 0.25).result, PointResult::kFail);
}

TEST(SettledSpread, IsATenthOfTheToleranceInMilliamperes) {
  EXPECT_DOUBLE_EQ(SettledSpread(0.25, {4, 16}), 0.004);
  EXPECT_DOUBLE_EQ(SettledSpread(0.25, {0, 5}), 0.00125);
  EXPECT_DOUBLE_EQ(SettledSpread(1.0, {0, 20}), 0.02);
}

}  // namespace
}  // namespace zelto::check
