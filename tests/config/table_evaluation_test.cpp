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
  single.Counts[0] = 1;
  single.Counts[1] = table.Counts[segment];
  single.Knots[0] = table.Knots[segment - 1];
  single.Knots[1] = table.Knots[segment];
  for (int j = 0; j < table.Counts[segment]; ++j)
    single.Coef[j] = table.Coef[first + j];
  return single;
}

TEST(Evaluator, SelfTestFigures) {
  struct Run {
    const SensorTable& table;
    float arguments[4];
    double results[4];
  };
  const Run runs[] = {
      {TemperatureToRatioTable(1), {0, 200, 600, 850}, {1.0000, 1.7586, 3.1371, 3.9048}},
      {RatioToTemperatureTable(1),
       {1.0f, 1.7586f, 3.1371f, 3.9048f},
       {-0.0020, 200.0124, 600.0018, 849.9750}},
      {TemperatureToEmfTable(kThermocoupleK),
       {-200, 0, 1000, 1350},
       {-5.8914, 0.0000, 41.2756, 54.1377}},
      {EmfToTemperatureTable(kThermocoupleK),
       {-5.891f, 0, 41.276f, 54.138f},
       {-199.9334, 0.0000, 999.9872, 1349.9928}},
  };
  for (const Run& run : runs) {
    for (int i = 0; i < 4; ++i) {
      EXPECT_NEAR(Evaluate(run.table, run.arguments[i]), run.results[i], 0.0002)
          << "argument " << run.arguments[i];
    }
  }
}

TEST(Evaluator, SelfTestPrintsTheMemoLines) {
  const auto lines = ConversionSelfTestLines();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[6], "i0 =-200.0000, i1 =  0.0000, i2 =1000.0000, i3 =1350.0000");
  EXPECT_EQ(lines[7], "e0 = -5.8914, e1=   0.0000, e2 = 41.2756,e3 = 54.1377");
  EXPECT_EQ(lines[8], "");
  EXPECT_EQ(lines[10], "e0 =-199.9334, e1=   0.0000, e2 =999.9872,e3 =1349.9928");
}

TEST(Evaluator, KnotsBelongToTheLowerSegment) {
  const SensorTable& kForward = TemperatureToEmfTable(kThermocoupleK);
  const SensorTable withoutTerm = kForward;  // a copy is not recognised as type K
  // 0 °C is the end of segment 1: no exponential term.
  EXPECT_EQ(Evaluate(kForward, 0.0f), 0.0f);
  EXPECT_EQ(Evaluate(kForward, -0.00005f), Evaluate(SegmentOf(kForward, 1), -0.00005f));
  // The float nearest 0.0001 lies just below it, so x 10000 truncates to 0: still segment 1.
  EXPECT_EQ(Evaluate(kForward, 0.0001f), Evaluate(SegmentOf(kForward, 1), 0.0001f));
  // The next float up is segment 2, whose constant -0.0176 mV the exponential term cancels.
  const float justAbove = std::nextafter(0.0001f, 1.0f);
  EXPECT_NEAR(Evaluate(kForward, justAbove), 0.0001 * 0.03945, 1e-6);
  EXPECT_NEAR(Evaluate(withoutTerm, justAbove), -0.0176, 1e-4);

  // S inverse: the second polynomial up to and including 10.332 mV, the third above.
  const SensorTable& sInverse = EmfToTemperatureTable(kThermocoupleS);
  EXPECT_EQ(Evaluate(sInverse, 10.332f), Evaluate(SegmentOf(sInverse, 2), 10.332f));
  EXPECT_EQ(Evaluate(sInverse, 10.3322f), Evaluate(SegmentOf(sInverse, 3), 10.3322f));
  EXPECT_NE(Evaluate(SegmentOf(sInverse, 2), 10.3322f), Evaluate(SegmentOf(sInverse, 3), 10.3322f));
}

TEST(Evaluator, ExtrapolatesWithTheEndPolynomials) {
  EXPECT_NEAR(Evaluate(EmfToTemperatureTable(kThermocoupleK), -6.0f), -207.24, 0.01);
  EXPECT_NEAR(Evaluate(TemperatureToEmfTable(kThermocoupleK), 1400.0f), 55.831, 0.001);
  // Arguments far beyond int32 after scaling still choose an end segment.
  EXPECT_EQ(Evaluate(TemperatureToEmfTable(kLinearEmf), 1e9f), 1e9f);
  EXPECT_EQ(Evaluate(TemperatureToEmfTable(kLinearEmf), -1e9f), -1e9f);
}

TEST(Evaluator, PlatinumRoundTrip) {
  const float w = Evaluate(TemperatureToRatioTable(1), 100.0f);
  EXPECT_NEAR(w, 1.385055, 1e-6);
  EXPECT_NEAR(Evaluate(RatioToTemperatureTable(1), w), 99.992, 0.0005);
}

TEST(Evaluator, RefusesWhatItCannotEvaluate) {
  const SensorTable& table = TemperatureToEmfTable(kThermocoupleJ);
  EXPECT_TRUE(std::isnan(Evaluate(table, std::numeric_limits<float>::quiet_NaN())));
  EXPECT_TRUE(std::isnan(Evaluate(table, std::numeric_limits<float>::infinity())));
  // A table read from a device may carry any segment count.
  SensorTable garbage = table;
  garbage.Counts[0] = 9;
  EXPECT_TRUE(std::isnan(Evaluate(garbage, 100.0f)));
  garbage.Counts[0] = 0;
  EXPECT_TRUE(std::isnan(Evaluate(garbage, 100.0f)));
  garbage.Counts[0] = 2;
  garbage.Counts[1] = garbage.Counts[2] = 255;  // more coefficients than the table holds
  EXPECT_TRUE(std::isfinite(Evaluate(garbage, 1.0f)));
}

TEST(Evaluator, StepwiseEvaluationsCanBeInterleaved) {
  const SensorTable& k = TemperatureToEmfTable(kThermocoupleK);
  const SensorTable& s = EmfToTemperatureTable(kThermocoupleS);
  TableEvaluation first(k, 1350.0f);
  TableEvaluation second(s, 12.5f);
  int steps = 0;
  bool firstRunning = true;
  bool secondRunning = true;
  while (firstRunning || secondRunning) {
    if (firstRunning)
      firstRunning = first.Advance();
    if (secondRunning)
      secondRunning = second.Advance();
    ++steps;
  }
  EXPECT_EQ(first.NextStep(), TableEvaluation::Step::kDone);
  EXPECT_EQ(first.Result(), Evaluate(k, 1350.0f));
  EXPECT_EQ(second.Result(), Evaluate(s, 12.5f));
  // One step per term: the second K segment has ten.
  EXPECT_GT(steps, 10);
}

}  // namespace
}  // namespace zelto::config
