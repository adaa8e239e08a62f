#include "config/table_evaluation.h"

#include "config/conversion_self_test.h"
#include "config/conversion_tables.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zelto::config {
namespace {

// A one-segment table holding one segment of another, to tell which polynomial was used.
SensorTable SegmentOf(const SensorTable& table, int segment) {
  int first = 0;
  for (int passed = 1; passed < segment; ++passed)
    first += table.Counts[passed];
  SensorTable single;
  single.Counts = {1, table.Counts[segment]};
  single.Knots = {table.Knots[segment - 1], table.Knots[segment]};
  for (int j = 0; j < table.Counts[segment]; ++j)
    single.Coef[j] = table.Coef[first + j];
  return single;
}

// The service engineers' known figures, to the last printed digit.
TEST(Evaluator, SelfTestFigures) {
  const auto lines = ConversionSelfTestLines();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[1], "e0 =  1.0000, e1=   1.7586, e2 =  3.1371,e3 =  3.9048");
  EXPECT_EQ(lines[4], "e0 = -0.0020, e1= 200.0124, e2 =600.0018,e3 =849.9750");
  EXPECT_EQ(lines[6], "i0 =-200.0000, i1 =  0.0000, i2 =1000.0000, i3 =1350.0000");
  EXPECT_EQ(lines[7], "e0 = -5.8914, e1=   0.0000, e2 = 41.2756,e3 = 54.1377");
  EXPECT_EQ(lines[8], "");
  EXPECT_EQ(lines[10], "e0 =-199.9334, e1=   0.0000, e2 =999.9872,e3 =1349.9928");
}

TEST(Evaluator, KnotsBelongToTheLowerSegment) {
  const SensorTable& kForward = TemperatureToEmfTable(kThermocoupleK);
  const SensorTable withoutTerm = kForward;  // a copy is not recognised as type K
  EXPECT_EQ(Evaluate(kForward, 0.0f), 0.0f);
  EXPECT_EQ(Evaluate(kForward, -0.00005f), Evaluate(SegmentOf(kForward, 1), -0.00005f));
  // The float nearest 0.0001 lies just below it, so x 10000 truncates to 0: still segment 1.
  EXPECT_EQ(Evaluate(kForward, 0.0001f), Evaluate(SegmentOf(kForward, 1), 0.0001f));
  // The next float up is in segment 2, whose constant -0.0176 mV the exponential term cancels.
  const float justAbove = std::nextafter(0.0001f, 1.0f);
  EXPECT_NEAR(Evaluate(kForward, justAbove), 0.0001 * 0.03945, 1e-6);
  EXPECT_NEAR(Evaluate(withoutTerm, justAbove), -0.0176, 1e-4);

  const SensorTable& sInverse = EmfToTemperatureTable(kThermocoupleS);
  EXPECT_EQ(Evaluate(sInverse, 10.332f), Evaluate(SegmentOf(sInverse, 2), 10.332f));
  EXPECT_EQ(Evaluate(sInverse, 10.3322f), Evaluate(SegmentOf(sInverse, 3), 10.3322f));
  EXPECT_NE(Evaluate(SegmentOf(sInverse, 2), 10.3322f), Evaluate(SegmentOf(sInverse, 3), 10.3322f));
}

TEST(Evaluator, ExtrapolatesBeyondTheEndSegments) {
  EXPECT_NEAR(Evaluate(EmfToTemperatureTable(kThermocoupleK), -6.0f), -207.24, 0.01);
  EXPECT_NEAR(Evaluate(TemperatureToEmfTable(kThermocoupleK), 1400.0f), 55.831, 0.001);
  // Arguments beyond int32 once scaled still choose an end segment.
  EXPECT_EQ(Evaluate(TemperatureToEmfTable(kLinearEmf), -1e9f), -1e9f);
}

TEST(Evaluator, RefusesWhatItCannotEvaluate) {
  SensorTable table = TemperatureToEmfTable(kThermocoupleJ);
  EXPECT_TRUE(std::isnan(Evaluate(table, std::numeric_limits<float>::quiet_NaN())));
  EXPECT_TRUE(std::isnan(Evaluate(table, std::numeric_limits<float>::infinity())));
  // A table read back from a device may hold any counts.
  table.Counts[0] = 9;
  EXPECT_TRUE(std::isnan(Evaluate(table, 100.0f)));
  table.Counts = {2, 255, 255};
  EXPECT_TRUE(std::isfinite(Evaluate(table, 1.0f)));
}

TEST(Evaluator, StepwiseGivesTheSameResult) {
  const SensorTable& k = TemperatureToEmfTable(kThermocoupleK);
  TableEvaluation evaluation(k, 1350.0f);
  int steps = 0;
  while (evaluation.Advance())
    ++steps;
  EXPECT_EQ(steps, 5 + 10);  // five fixed steps, then one per term of the second segment
  EXPECT_EQ(evaluation.NextStep(), TableEvaluation::Step::kDone);
  EXPECT_EQ(evaluation.Result(), Evaluate(k, 1350.0f));
}

}  // namespace
}  // namespace zelto::config
