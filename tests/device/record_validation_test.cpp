#include "config/record_validation.h"

#include "device_test_support.h"

#include <gtest/gtest.h>

namespace zelto::config {
namespace {

using testing::Configured;

TEST(CheckRecord, AcceptsEverySensorOfEachModelsListAsTheWindowLeavesIt) {
  for (const int model : {0, 1, 2}) {
    for (int sensor = 0; sensor < SensorListSize(model); ++sensor) {
      EXPECT_EQ(CheckRecord(Configured(model, sensor), model), RecordFault::kNone)
          << model << " " << sensor;
    }
  }
}

TEST(CheckRecord, NamesTheRuleABrokenRecordBreaks) {
  const ConfigRecord good = Configured(1, 11);
  const auto check = [&](auto change, int model = 1) {
    ConfigRecord record = good;
    change(record);
    return CheckRecord(record, model);
  };
  EXPECT_EQ(check([](auto&) {}, 2), RecordFault::kDevice);  // not the model written to
  EXPECT_EQ(check([](auto& r) { r.Device = 3; }, 3), RecordFault::kDevice);
  EXPECT_EQ(check([](auto&) {}, -1), RecordFault::kDevice);
  EXPECT_EQ(check([](auto& r) { r = Configured(1, 15); }), RecordFault::kSensor);
  EXPECT_EQ(check([](auto& r) { r.Sensor = 21; }), RecordFault::kSensor);
  // A sensor code stored without its selection: the tables and limits are another sensor's.
  EXPECT_EQ(check([](auto& r) { r.Sensor = 12; }), RecordFault::kSensorFields);
  EXPECT_EQ(check([](auto& r) { r.Mode = 0; }), RecordFault::kSensorFields);
  EXPECT_EQ(check([](auto& r) { r.LimMax = 5000; }), RecordFault::kSensorFields);
  EXPECT_EQ(check([](auto& r) { r.RngMin = r.RngMax; }), RecordFault::kRange);
  EXPECT_EQ(check([](auto& r) { r.RngMin = r.LimMin - 1; }), RecordFault::kRange);
  EXPECT_EQ(check([](auto& r) { r.RngMax = r.LimMax + 1; }), RecordFault::kRange);
  EXPECT_EQ(check([](auto& r) { r.CrnMix = r.CrtMax; }), RecordFault::kOutputCurrent);
  EXPECT_EQ(CheckRecord(ConfigRecord{}, 0), RecordFault::kSensorFields);  // no sensor chosen
}

TEST(CheckVelmorSwitches, OnlyTheWindowsChoices) {
  EXPECT_EQ(CheckVelmorSwitches({true, 2, true, 0, true}), RecordFault::kNone);
  EXPECT_EQ(CheckVelmorSwitches({false, 3, false, 2, false}), RecordFault::kSwitches);
  EXPECT_EQ(CheckVelmorSwitches({false, -1, false, 2, false}), RecordFault::kSwitches);
  EXPECT_EQ(CheckVelmorSwitches({false, 0, false, 3, false}), RecordFault::kSwitches);
}

}  // namespace
}  // namespace zelto::config
