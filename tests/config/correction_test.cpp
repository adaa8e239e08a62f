#include "config/correction.h"

#include "config/device_range.h"
#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "config/sensor_selection.h"
#include "recording_view.h"

#include <gtest/gtest.h>

namespace zelto::config {
namespace {

ConfigRecord Configured(int sensor, int rngMin, int rngMax, float t1, float t2) {
  ConfigRecord record = testing::Selected(kDeviceDastra2, sensor);
  SilentConfigView view;
  for (const auto& [code, value] : {std::pair{kQuantityRangeMax, static_cast<float>(rngMax)},
                                    {kQuantityRangeMin, static_cast<float>(rngMin)},
                                    {kQuantityTmpFull, t2},
                                    {kQuantityTmpZero, t1}}) {
    AssignField(record, code, value, kOutput4To20, view);
  }
  return record;
}

TEST(DeviceRange, WordsFollowTheLinearFromEmfSwitch) {
  ConfigRecord typeK = Configured(11, -50, 1000, 0, 100);
  ASSERT_TRUE(ComputeDeviceRangeWords(typeK, true));
  EXPECT_EQ(std::pair(typeK.DevRngMin, typeK.DevRngMax), std::pair(-18, 412));
  ASSERT_TRUE(ComputeDeviceRangeWords(typeK, false));
  EXPECT_EQ(std::pair(typeK.DevRngMin, typeK.DevRngMax), std::pair(-50, 1000));
  ConfigRecord noSensor;  // Mode 0 has no signal table: the ends as they are
  noSensor.RngMin = -20;
  ASSERT_TRUE(ComputeDeviceRangeWords(noSensor, true));
  EXPECT_EQ(std::pair(noSensor.DevRngMin, noSensor.DevRngMax), std::pair(-20, 100));
}

TEST(Correction, NominalCurrentsGiveNoCorrection) {
  for (const bool lineFunc : {false, true}) {
    for (const int sensor : {11, 12, 8, 4}) {
      ConfigRecord record = Configured(sensor, 0, 200, 20, 180);
      ASSERT_TRUE(ComputeCorrection(record, lineFunc).computed) << sensor;
      EXPECT_NEAR(record.Au, 1.0, 1e-4) << sensor;
      EXPECT_NEAR(record.Bu, 0.0, 0.05) << sensor;
    }
  }
}

TEST(Correction, MapsPerceivedSignalsOntoAppliedOnes) {
  for (const bool lineFunc : {false, true}) {
    ConfigRecord record = Configured(11, 0, 1000, 100, 900);
    record.Zero += 0.2f;
    record.Full -= 0.5f;
    const Correction c = ComputeCorrection(record, lineFunc);
    ASSERT_TRUE(c.computed);
    EXPECT_NEAR(record.Au * (c.signals[1] + record.Bu / 10000), c.signals[0], 1e-4);
    EXPECT_NEAR(record.Au * (c.signals[3] + record.Bu / 10000), c.signals[2], 1e-4);
  }
}

TEST(Correction, RefusedWithoutAUsableGain) {
  for (const bool lineFunc : {false, true}) {
    ConfigRecord record = Configured(11, 0, 100, 50.0f, 50.1f);
    SilentConfigView view;
    // Both measured currents the same, each inside its band.
    AssignField(record, kQuantityZero, 12.0f, kOutput4To20, view);
    AssignField(record, kQuantityFull, 12.0f, kOutput4To20, view);
    ASSERT_EQ(record.Full, 12.0f);
    record.Au = 1.5f;
    const Correction c = ComputeCorrection(record, lineFunc);
    EXPECT_FALSE(c.computed);
    EXPECT_EQ(c.refusal, kCorrectionSameSignalsText);
    EXPECT_EQ(std::pair(record.Au, record.Bu), std::pair(1.5f, 0.0f));
  }
  // Equal applied signals: a zero gain, and no offset at all.
  ConfigRecord record = Configured(11, 0, 100, 20, 80);
  record.TmpFull = record.TmpZero;
  const Correction c = ComputeCorrection(record, false);
  EXPECT_EQ(c.refusal, kCorrectionNotFiniteText);
  EXPECT_EQ(record.Au, 1.0f);
}

}  // namespace
}  // namespace zelto::config
