#include "config/correction.h"

#include "config/conversion_tables.h"
#include "config/device_range.h"
#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "config/sensor_selection.h"
#include "config/table_evaluation.h"
#include "config/trace_lines.h"

#include <gtest/gtest.h>

namespace zelto::config {
namespace {

ConfigRecord Configured(int sensor, int rngMin, int rngMax, float t1, float t2) {
  ConfigRecord record;
  SilentConfigView view;
  SetDeviceOrSensor(record, Selection::kDevice, kDeviceDastra2, kOutput4To20, view);
  SetDeviceOrSensor(record, Selection::kSensor, sensor, kOutput4To20, view);
  AssignField(record, kQuantityRangeMax, static_cast<float>(rngMax), kOutput4To20, view);
  AssignField(record, kQuantityRangeMin, static_cast<float>(rngMin), kOutput4To20, view);
  AssignField(record, kQuantityTmpFull, t2, kOutput4To20, view);
  AssignField(record, kQuantityTmpZero, t1, kOutput4To20, view);
  return record;
}

TEST(DeviceRange, WordsFollowTheLinearFromEmfSwitch) {
  ConfigRecord typeK = Configured(11, -50, 1000, 0, 100);
  ASSERT_TRUE(ComputeDeviceRangeWords(typeK, true));
  EXPECT_EQ(typeK.DevRngMin, -18);
  EXPECT_EQ(typeK.DevRngMax, 412);
  ASSERT_TRUE(ComputeDeviceRangeWords(typeK, false));
  EXPECT_EQ(typeK.DevRngMin, -50);
  EXPECT_EQ(typeK.DevRngMax, 1000);

  ConfigRecord pt100 = Configured(8, 0, 100, 0, 100);  // W in tenths: 1.0 and 1.385
  ASSERT_TRUE(ComputeDeviceRangeWords(pt100, true));
  EXPECT_EQ(pt100.DevRngMin, 10);
  EXPECT_EQ(pt100.DevRngMax, 13);

  ConfigRecord noSensor;  // Mode 0: no signal table, the ends as they are
  noSensor.RngMin = -20;
  ASSERT_TRUE(ComputeDeviceRangeWords(noSensor, true));
  EXPECT_EQ(noSensor.DevRngMin, -20);
  EXPECT_EQ(noSensor.DevRngMax, 100);
}

TEST(Correction, NominalCurrentsGiveNoCorrection) {
  for (const bool lineFunc : {false, true}) {
    for (const int sensor : {11, 12, 8, 4}) {
      ConfigRecord record = Configured(sensor, 0, 200, 20, 180);
      record.Au = 2.0f;
      const Correction correction = ComputeCorrection(record, lineFunc);
      ASSERT_TRUE(correction.computed) << sensor;
      EXPECT_NEAR(record.Au, 1.0, 1e-4) << sensor;
      EXPECT_NEAR(record.Bu, 0.0, 0.05) << sensor;
    }
  }
}

TEST(Correction, MapsPerceivedSignalsOntoAppliedOnes) {
  for (const bool lineFunc : {false, true}) {
    ConfigRecord record = Configured(11, 0, 1000, 100, 900);
    SilentConfigView view;
    AssignField(record, kQuantityZero, record.CurZero + 0.2f, kOutput4To20, view);
    AssignField(record, kQuantityFull, record.CurFull - 0.5f, kOutput4To20, view);
    const Correction c = ComputeCorrection(record, lineFunc);
    ASSERT_TRUE(c.computed);
    const auto& s = c.signals;
    EXPECT_NEAR(record.Au * (s[1] + record.Bu / 10000), s[0], 1e-4);
    EXPECT_NEAR(record.Au * (s[3] + record.Bu / 10000), s[2], 1e-4);
    EXPECT_GT(record.Au, 1.0f);
  }
}

TEST(Correction, RefusedWhenThePerceivedSignalsCoincide) {
  for (const bool lineFunc : {false, true}) {
    ConfigRecord record = Configured(11, 0, 100, 50.0f, 50.1f);
    SilentConfigView view;
    // Both measured currents at the same value, each inside its band.
    AssignField(record, kQuantityZero, 12.0f, kOutput4To20, view);
    AssignField(record, kQuantityFull, 12.0f, kOutput4To20, view);
    ASSERT_EQ(record.Full, 12.0f);
    record.Au = 1.5f;
    record.Bu = 7.0f;
    const Correction c = ComputeCorrection(record, lineFunc);
    EXPECT_FALSE(c.computed);
    EXPECT_EQ(c.refusal, kCorrectionSameSignalsText);
    EXPECT_EQ(record.Au, 1.5f);
    EXPECT_EQ(record.Bu, 7.0f);
  }
  // Equal applied signals would give a zero gain and no offset at all.
  ConfigRecord record = Configured(11, 0, 100, 20, 80);
  record.TmpFull = record.TmpZero;
  record.Full = 19.0f;
  const Correction c = ComputeCorrection(record, false);
  EXPECT_FALSE(c.computed);
  EXPECT_EQ(c.refusal, kCorrectionNotFiniteText);
  EXPECT_EQ(record.Au, 1.0f);
}

TEST(Correction, TraceLines) {
  ConfigRecord record = Configured(11, 0, 100, 0, 100);
  const Correction c = ComputeCorrection(record, false);
  EXPECT_EQ(CorrectionTraceLines(c),
            (std::vector<std::string>{"i0 =  4.0000, i1 =  4.0000, i2 = 20.0000, i3 = 20.0000",
                                      "e0 =  0.0000, e1=   0.0000, e2 =  0.0041,e3 =  0.0041",
                                      "Au = 1.00000, Bu =  0.00000"}));
  EXPECT_EQ(WorkingMemoryTraceLine(-1, 0, 10000), "m00 = -1.0000, m02 =  0.0000, m03 =10000.0000");
}

}  // namespace
}  // namespace zelto::config
