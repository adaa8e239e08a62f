#include "config/field_assignment.h"
#include "config/field_limits.h"
#include "config/nominal_currents.h"
#include "config/sensor_selection.h"
#include "recording_view.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace zelto::config {
namespace {

using testing::RecordingView;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// The 0..100 mV input: range and limits 0..100, T1 0, T2 100, nominal currents 4 and 20 mA.
ConfigRecord ZeroToHundred(int device = kDeviceDastra2) {
  return testing::Selected(device, 15);
}

float Assign(ConfigRecord& record, int code, float value, int outputRange = kOutput4To20) {
  SilentConfigView view;
  return AssignField(record, code, value, outputRange, view);
}

TEST(SensorSelection, DeviceChangeStartsFromTheInitialRecord) {
  ConfigRecord record = ZeroToHundred();
  record.Au = 1.2f;
  record.CrtMax = 5;
  ResetConfig(record);
  RecordingView view;
  ASSERT_TRUE(SetDeviceOrSensor(record, Selection::kDevice, 1, kOutput4To20, view));
  ASSERT_TRUE(SetDeviceOrSensor(record, Selection::kSensor, 11, kOutput4To20, view));
  ConfigRecord expected = kInitialConfig;
  expected.Device = 1;
  expected.Sensor = 11;
  expected.Mode = 1;
  expected.TermoC = 3;
  expected.Rezist = 0;
  expected.RngMin = expected.LimMin = -50;
  expected.RngMax = expected.LimMax = 1300;
  expected.CurZero = expected.Zero = 4.0f + 16.0f * (50.0f / 1350.0f);
  expected.CurFull = expected.Full = 4.0f + 16.0f * (150.0f / 1350.0f);
  EXPECT_EQ(record, expected);
  const std::vector<std::string> lastCalls(view.calls.end() - 5, view.calls.end());
  EXPECT_EQ(lastCalls,
            (std::vector<std::string>{"ApplySensorView 11", "ShowNominalCurrents 4,593 5,778",
                                      "RefreshValueFields", "DumpConfig", "DumpConfig"}));

  SetDeviceOrSensor(record, Selection::kSensor, 8, kOutput4To20, view);
  EXPECT_EQ(std::tuple(record.Mode, record.TermoC, record.Rezist), std::tuple(3, 3, 1));
  const ConfigRecord before = record;
  EXPECT_FALSE(SetDeviceOrSensor(record, Selection::kSensor, 21, kOutput4To20, view));
  EXPECT_FALSE(SetDeviceOrSensor(record, Selection::kDevice, -1, kOutput4To20, view));
  EXPECT_EQ(record, before);
}

TEST(Assignment, RangeRefusals) {
  ConfigRecord record = ZeroToHundred();
  EXPECT_EQ(Assign(record, kQuantityRangeMax, 150.0f), 100.0f);
  EXPECT_EQ(Assign(record, kQuantityRangeMax, 99.9f), 99.0f);
  for (const float refused : {0.0f, 101.0f, 1e20f, -1e20f, kNaN, kInfinity}) {
    EXPECT_EQ(Assign(record, kQuantityRangeMax, refused), 99.0f) << refused;
  }
  EXPECT_EQ(Assign(record, kQuantityRangeMin, 12.7f), 12.0f);
  for (const float refused : {99.0f, -1.0f, -1e20f, 1e20f, kNaN, -kInfinity}) {
    EXPECT_EQ(Assign(record, kQuantityRangeMin, refused), 12.0f) << refused;
  }
  EXPECT_EQ(std::pair(record.RngMin, record.RngMax), std::pair(12, 99));
  // Output current ends: only their order is checked.
  EXPECT_EQ(Assign(record, kQuantityCurrentMin, 20.0f), 4.0f);
  EXPECT_EQ(Assign(record, kQuantityCurrentMax, 4.0f), 20.0f);
  EXPECT_EQ(Assign(record, kQuantityCurrentMin, 0.0f), 0.0f);
  EXPECT_EQ(Assign(record, kQuantityCurrentMax, 5.0f), 5.0f);
}

// A refused value is put back; the field's user reads what it takes instead, as the record stands.
TEST(Assignment, ARefusalSaysWhatTheFieldTakes) {
  struct Row {
    int device;
    int sensor;
    int code;
    float value;
    std::optional<std::string> status;
  };
  const Row rows[] = {
      {kDeviceDastra2, 15, kQuantityRangeMax, 150.0f, "Допустимо: 1…100"},
      {kDeviceDastra2, 15, kQuantityRangeMin, -5.0f, "Допустимо: 0…99"},
      {kDeviceDastra2, 15, kQuantityRangeMin, 100.0f, "Допустимо: 0…99"},
      {kDeviceDastra2, 15, kQuantityRangeMin, kNaN, "Допустимо: 0…99"},
      {kDeviceVelmor7, 0, kQuantityRangeMax, 300.0f,
       "Допустимо: \u2212"
       "49…200"},
      {kDeviceVelmor7, 0, kQuantityRangeMin, -60.0f,
       "Допустимо: \u2212"
       "50…199"},
      {kDeviceDastra2, 15, kQuantityTmpZero, 100.0f, "Допустимо: 0…100, T1 < T2"},
      {kDeviceDastra2, 15, kQuantityTmpFull, -1.0f, "Допустимо: 0…100, T2 > T1"},
      {kDeviceDastra2, 15, kQuantityZero, 4.32f, "Допустимо: |I − 4| < 0,32 мА"},
      {kDeviceDastra2, 15, kQuantityFull, 19.2f, "Допустимо: |I − 20| < 0,8 мА"},
      // Taken, even when the field then shows the whole number the record keeps.
      {kDeviceDastra2, 15, kQuantityRangeMax, 99.9f, std::nullopt},
      {kDeviceDastra2, 15, kQuantityZero, 4.31f, std::nullopt},
      // Fields the user does not type into, and the calculator, which takes any number.
      {kDeviceDastra2, 15, kQuantityCurrentMin, 30.0f, std::nullopt},
      {kDeviceDastra2, 15, kQuantityCalculatorTemperature, 5000.0f, std::nullopt},
  };
  for (const Row& row : rows) {
    const ConfigRecord record = testing::Selected(row.device, row.sensor);
    EXPECT_EQ(RefusalStatus(record, row.code, row.value), row.status)
        << row.code << " " << row.value;
    // Refused exactly when the assignment keeps the value it had.
    ConfigRecord assigned = record;
    if (row.status) {
      EXPECT_EQ(Assign(assigned, row.code, row.value), GetField(record, row.code)) << row.code;
    }
  }
}

TEST(Assignment, RangeEndsMoveTheCorrectionTemperatures) {
  struct Case {
    float t1, t2;
    int code;
    float end;
    float newT1, newT2;
  };
  const Case cases[] = {
      {0, 60, kQuantityRangeMin, 20, 20, 60},   // above T1 only
      {0, 60, kQuantityRangeMin, 70, 70, 100},  // above T2 as well
      {30, 60, kQuantityRangeMax, 50, 30, 50},  // below T2 only
      {30, 60, kQuantityRangeMax, 20, 0, 20},   // below T1 as well
      // An end landing exactly on T2 (or T1) moves only the point it passed: T1 = T2 may
      // result, and a correction between equal points is refused when it is written.
      {0, 50, kQuantityRangeMin, 50, 50, 50},
      {50, 100, kQuantityRangeMax, 50, 50, 50},
  };
  for (const Case& c : cases) {
    ConfigRecord record = ZeroToHundred();
    Assign(record, kQuantityTmpFull, c.t2);
    Assign(record, kQuantityTmpZero, c.t1);
    Assign(record, c.code, c.end);
    EXPECT_EQ(std::pair(record.TmpZero, record.TmpFull), std::pair(c.newT1, c.newT2))
        << c.code << " to " << c.end;
  }
}

TEST(Assignment, CorrectionTemperaturesStayInRangeAndOrdered) {
  ConfigRecord record = ZeroToHundred();
  EXPECT_EQ(Assign(record, kQuantityTmpZero, 12.5f), 12.5f);
  EXPECT_EQ(Assign(record, kQuantityTmpFull, 12.5f), 100.0f);
  EXPECT_EQ(Assign(record, kQuantityTmpFull, 40.0f), 40.0f);
  EXPECT_EQ(Assign(record, kQuantityTmpZero, 40.0f), 12.5f);
  for (const float refused : {-0.5f, 100.5f, kNaN}) {
    EXPECT_EQ(Assign(record, kQuantityTmpFull, refused), 40.0f) << refused;
    EXPECT_EQ(Assign(record, kQuantityTmpZero, refused), 12.5f) << refused;
  }
}

TEST(Assignment, MeasuredCurrentBands) {
  ConfigRecord record = ZeroToHundred();
  EXPECT_EQ(Assign(record, kQuantityZero, 4.31f), 4.31f);
  EXPECT_EQ(Assign(record, kQuantityZero, 4.32f), 4.31f);
  EXPECT_EQ(Assign(record, kQuantityZero, 3.69f), 3.69f);
  EXPECT_EQ(Assign(record, kQuantityFull, 20.79f), 20.79f);
  // 20.8 and 19.2 are 0.8 from 20 as typed, though their floats lie a hair inside the band.
  EXPECT_EQ(Assign(record, kQuantityFull, 20.8f), 20.79f);
  EXPECT_EQ(Assign(record, kQuantityFull, 19.2f), 20.79f);
  EXPECT_EQ(Assign(record, kQuantityFull, kNaN), 20.79f);
  // Measured currents follow the nominal ones again once a temperature changes.
  Assign(record, kQuantityTmpZero, 0.0f);
  EXPECT_EQ(std::pair(record.Zero, record.Full), std::pair(4.0f, 20.0f));
}

TEST(NominalCurrents, ScaleAndDisplayByDevice) {
  RecordingView view;
  ConfigRecord dastra = ZeroToHundred(kDeviceDastra2);
  EXPECT_TRUE(ComputeNominalCurrents(dastra, false, kOutput0To5, view));
  ConfigRecord velmor = ZeroToHundred(kDeviceVelmor7);
  velmor.Zero = 1.0f;
  EXPECT_TRUE(ComputeNominalCurrents(velmor, false, kOutput0To5, view));
  EXPECT_EQ(velmor.Zero, 1.0f);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowNominalCurrents 4,000 20,000",
                                                  "ShowNominalCurrents 0,000 5,000"}));
  // Another device code, or no output position: nothing computed, nothing shown.
  ConfigRecord other = ZeroToHundred(3);
  other.CurZero = 7.0f;
  EXPECT_FALSE(ComputeNominalCurrents(other, true, kOutput4To20, view));
  EXPECT_FALSE(ComputeNominalCurrents(velmor, true, -1, view));
  EXPECT_EQ(other.CurZero, 7.0f);
  EXPECT_EQ(view.calls.size(), 2u);
}

TEST(Calculator, ConvertsWithTheSelectedSensorsThermocoupleTables) {
  ConfigRecord record = ZeroToHundred();
  RecordingView view;
  const auto calculate = [&](int sensor, int code, float value) {
    SetDeviceOrSensor(record, Selection::kSensor, sensor, kOutput4To20, view);
    const ConfigRecord before = record;
    EXPECT_EQ(AssignField(record, code, value, kOutput4To20, view), value);
    EXPECT_EQ(record, before);
    return std::pair(view.calculatorCode, view.calculatorValue);
  };
  const auto [emfCode, emf] = calculate(11, kQuantityCalculatorTemperature, 1000.0f);
  EXPECT_EQ(emfCode, kQuantityCalculatorSignal);
  EXPECT_NEAR(emf, 41.2756, 0.0001);
  const auto [temperatureCode, temperature] = calculate(11, kQuantityCalculatorSignal, 41.276f);
  EXPECT_EQ(temperatureCode, kQuantityCalculatorTemperature);
  EXPECT_NEAR(temperature, 999.9872, 0.0002);
  EXPECT_NEAR(calculate(12, kQuantityCalculatorTemperature, 1000.0f).second, 9.587, 0.0005);
  // Not a thermocouple: type K.
  EXPECT_NEAR(calculate(8, kQuantityCalculatorTemperature, 1000.0f).second, 41.2756, 0.0001);
  EXPECT_EQ(AssignField(record, kQuantityCalculatorSignal, kInfinity, kOutput4To20, view), 0.0f);
}

}  // namespace
}  // namespace zelto::config
