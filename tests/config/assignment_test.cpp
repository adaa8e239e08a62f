#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "config/sensor_selection.h"
#include "recording_view.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zelto::config {
namespace {

using testing::RecordingView;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// A table-loading model with the 0..100 mV input: range 0..100, limits 0..100, T1 0, T2 100.
ConfigRecord ZeroToHundred(int device = kDeviceDastra2) {
  ConfigRecord record;
  SilentConfigView view;
  SetDeviceOrSensor(record, Selection::kDevice, device, kOutput4To20, view);
  SetDeviceOrSensor(record, Selection::kSensor, 15, kOutput4To20, view);
  return record;
}

float Assign(ConfigRecord& record, int code, float value, int outputRange = kOutput4To20) {
  SilentConfigView view;
  return AssignField(record, code, value, outputRange, view);
}

TEST(SensorSelection, DeviceChangeStartsFromTheInitialRecord) {
  ConfigRecord record = ZeroToHundred();
  record.Au = 1.2f;
  record.Bu = -3.0f;
  record.CrnMix = 0;
  record.CrtMax = 5;
  ResetConfig(record);
  RecordingView view;
  ASSERT_TRUE(SetDeviceOrSensor(record, Selection::kDevice, 1, kOutput4To20, view));
  ASSERT_TRUE(SetDeviceOrSensor(record, Selection::kSensor, 11, kOutput4To20, view));
  EXPECT_EQ(record.Au, 1.0f);
  EXPECT_EQ(record.Bu, 0.0f);
  EXPECT_EQ(record.CrnMix, 4);
  EXPECT_EQ(record.CrtMax, 20);
  EXPECT_EQ(record.Mode, 1);
  EXPECT_EQ(record.TermoC, 3);
  EXPECT_EQ(record.Rezist, 0);
  EXPECT_EQ(record.RngMin, -50);
  EXPECT_EQ(record.RngMax, 1300);
  EXPECT_EQ(record.LimMin, -50);
  EXPECT_EQ(record.LimMax, 1300);
  EXPECT_EQ(record.TmpZero, 0.0f);
  EXPECT_EQ(record.TmpFull, 100.0f);
  EXPECT_EQ(record.Zero, record.CurZero);
  EXPECT_EQ(record.Full, record.CurFull);
  const std::vector<std::string> sensorCalls(view.calls.end() - 5, view.calls.end());
  EXPECT_EQ(sensorCalls,
            (std::vector<std::string>{"ApplySensorView 11", "ShowNominalCurrents 4,593 5,778",
                                      "RefreshValueFields", "DumpConfig", "DumpConfig"}));

  ASSERT_TRUE(SetDeviceOrSensor(record, Selection::kSensor, 8, kOutput4To20, view));
  EXPECT_EQ(record.Mode, 3);
  EXPECT_EQ(record.TermoC, 3);
  EXPECT_EQ(record.Rezist, 1);

  const ConfigRecord before = record;
  EXPECT_FALSE(SetDeviceOrSensor(record, Selection::kSensor, 21, kOutput4To20, view));
  EXPECT_FALSE(SetDeviceOrSensor(record, Selection::kDevice, -1, kOutput4To20, view));
  EXPECT_EQ(record, before);
}

TEST(Assignment, RangeRefusals) {
  ConfigRecord record = ZeroToHundred();
  EXPECT_EQ(Assign(record, kQuantityRangeMax, 150.0f), 100.0f);
  EXPECT_EQ(Assign(record, kQuantityRangeMax, 99.9f), 99.0f);
  EXPECT_EQ(record.RngMax, 99);
  // Not above the low end, not beyond the limits, whatever the magnitude.
  for (const float refused : {0.0f, -5.0f, 101.0f, 1e20f, -1e20f, kNaN, kInfinity}) {
    EXPECT_EQ(Assign(record, kQuantityRangeMax, refused), 99.0f) << refused;
  }
  EXPECT_EQ(Assign(record, kQuantityRangeMin, 12.7f), 12.0f);
  for (const float refused : {99.0f, 150.0f, -1.0f, -1e20f, 1e20f, kNaN, -kInfinity}) {
    EXPECT_EQ(Assign(record, kQuantityRangeMin, refused), 12.0f) << refused;
  }
  EXPECT_EQ(record.RngMin, 12);
  EXPECT_EQ(record.RngMax, 99);
}

TEST(Assignment, RangeEndsMoveTheCorrectionTemperatures) {
  ConfigRecord record = ZeroToHundred();
  Assign(record, kQuantityTmpFull, 60.0f);
  Assign(record, kQuantityRangeMin, 20.0f);  // above T1 only
  EXPECT_EQ(record.TmpZero, 20.0f);
  EXPECT_EQ(record.TmpFull, 60.0f);
  Assign(record, kQuantityRangeMin, 70.0f);  // above T2 as well
  EXPECT_EQ(record.TmpZero, 70.0f);
  EXPECT_EQ(record.TmpFull, 100.0f);

  record = ZeroToHundred();
  Assign(record, kQuantityTmpZero, 30.0f);
  Assign(record, kQuantityTmpFull, 60.0f);
  Assign(record, kQuantityRangeMax, 50.0f);  // below T2 only
  EXPECT_EQ(record.TmpZero, 30.0f);
  EXPECT_EQ(record.TmpFull, 50.0f);
  Assign(record, kQuantityRangeMax, 20.0f);  // below T1 as well
  EXPECT_EQ(record.TmpZero, 0.0f);
  EXPECT_EQ(record.TmpFull, 20.0f);

  // A range end landing exactly on T2 (or T1) would leave T1 = T2; both stay apart.
  record = ZeroToHundred();
  Assign(record, kQuantityTmpFull, 50.0f);
  Assign(record, kQuantityRangeMin, 50.0f);
  EXPECT_EQ(record.TmpZero, 50.0f);
  EXPECT_EQ(record.TmpFull, 100.0f);
  record = ZeroToHundred();
  Assign(record, kQuantityTmpZero, 50.0f);
  Assign(record, kQuantityRangeMax, 50.0f);
  EXPECT_EQ(record.TmpZero, 0.0f);
  EXPECT_EQ(record.TmpFull, 50.0f);
}

TEST(Assignment, CorrectionTemperaturesStayInRangeAndOrdered) {
  ConfigRecord record = ZeroToHundred();
  EXPECT_EQ(Assign(record, kQuantityTmpZero, 12.5f), 12.5f);
  EXPECT_EQ(Assign(record, kQuantityTmpFull, 12.5f), 100.0f);
  EXPECT_EQ(Assign(record, kQuantityTmpFull, 40.0f), 40.0f);
  EXPECT_EQ(Assign(record, kQuantityTmpZero, 40.0f), 12.5f);
  for (const float refused : {-0.5f, 100.5f, kNaN, kInfinity}) {
    EXPECT_EQ(Assign(record, kQuantityTmpFull, refused), 40.0f) << refused;
    EXPECT_EQ(Assign(record, kQuantityTmpZero, refused), 12.5f) << refused;
  }
  // A new temperature takes the measured currents over from the nominal ones.
  EXPECT_FLOAT_EQ(record.CurZero, 6.0f);
  EXPECT_EQ(record.Zero, record.CurZero);
}

TEST(Assignment, MeasuredCurrentBands) {
  ConfigRecord record = ZeroToHundred();  // nominal 4 and 20 mA
  EXPECT_EQ(Assign(record, kQuantityZero, 4.31f), 4.31f);
  EXPECT_EQ(Assign(record, kQuantityZero, 4.32f), 4.31f);
  EXPECT_EQ(Assign(record, kQuantityZero, 3.68f), 4.31f);
  EXPECT_EQ(Assign(record, kQuantityZero, 3.69f), 3.69f);
  EXPECT_EQ(Assign(record, kQuantityFull, 20.79f), 20.79f);
  EXPECT_EQ(Assign(record, kQuantityFull, 20.8f), 20.79f);
  EXPECT_EQ(Assign(record, kQuantityFull, 19.2f), 20.79f);
  EXPECT_EQ(Assign(record, kQuantityFull, kNaN), 20.79f);
  // Measured currents do not follow the nominal ones until a range or temperature changes.
  EXPECT_EQ(record.Zero, 3.69f);
  Assign(record, kQuantityTmpZero, 0.0f);
  EXPECT_EQ(record.Zero, 4.0f);
  EXPECT_EQ(record.Full, 20.0f);
}

TEST(NominalCurrents, ScaleAndDisplayByDevice) {
  for (const int device : {0, 1}) {
    ConfigRecord record = ZeroToHundred(device);
    RecordingView view;
    EXPECT_TRUE(ComputeNominalCurrents(record, false, kOutput0To5, view));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowNominalCurrents 4,000 20,000"}));
  }
  ConfigRecord velmor = ZeroToHundred(kDeviceVelmor7);
  velmor.Zero = velmor.Full = 1.0f;
  RecordingView view;
  EXPECT_TRUE(ComputeNominalCurrents(velmor, false, kOutput0To5, view));
  EXPECT_TRUE(ComputeNominalCurrents(velmor, false, kOutput0To20, view));
  EXPECT_EQ(velmor.Zero, 1.0f);
  EXPECT_TRUE(ComputeNominalCurrents(velmor, true, kOutput4To20, view));
  EXPECT_EQ(velmor.Full, 20.0f);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowNominalCurrents 0,000 5,000",
                                                  "ShowNominalCurrents 0,000 20,000",
                                                  "ShowNominalCurrents 4,000 20,000"}));

  ConfigRecord other = ZeroToHundred(3);
  other.CurZero = 7.0f;
  RecordingView silent;
  EXPECT_FALSE(ComputeNominalCurrents(other, true, kOutput4To20, silent));
  EXPECT_FALSE(ComputeNominalCurrents(velmor, true, 3, silent));
  EXPECT_EQ(other.CurZero, 7.0f);
  EXPECT_TRUE(silent.calls.empty());
}

TEST(Assignment, OutputRangeChoiceSetsTheCurrentRange) {
  ConfigRecord record = ZeroToHundred(kDeviceVelmor7);
  // The window assigns the low end, then the high end, for each choice.
  for (const int choice : {kOutput0To5, kOutput4To20, kOutput0To20, kOutput0To5}) {
    const auto range = OutputCurrentRange(choice);
    ASSERT_TRUE(range);
    Assign(record, kQuantityCurrentMin, static_cast<float>(range->low), choice);
    Assign(record, kQuantityCurrentMax, static_cast<float>(range->high), choice);
    EXPECT_EQ(record.CrnMix, range->low);
    EXPECT_EQ(record.CrtMax, range->high);
  }
  EXPECT_EQ(Assign(record, kQuantityCurrentMin, 5.0f), 0.0f);
  EXPECT_EQ(Assign(record, kQuantityCurrentMax, 0.0f), 5.0f);
  EXPECT_EQ(GetField(record, kQuantityCurrentMax), 5.0);
  EXPECT_FALSE(OutputCurrentRange(3));
}

TEST(Calculator, ConvertsWithTheSelectedSensorsThermocoupleTables) {
  ConfigRecord record = ZeroToHundred();
  SilentConfigView silent;
  SetDeviceOrSensor(record, Selection::kSensor, 11, kOutput4To20, silent);
  const ConfigRecord before = record;
  RecordingView view;
  EXPECT_EQ(AssignField(record, kQuantityCalculatorTemperature, 1000.0f, kOutput4To20, view),
            1000.0f);
  EXPECT_EQ(view.calculatorCode, kQuantityCalculatorSignal);
  EXPECT_NEAR(view.calculatorValue, 41.2756, 0.0001);
  EXPECT_EQ(AssignField(record, kQuantityCalculatorSignal, 41.276f, kOutput4To20, view), 41.276f);
  EXPECT_EQ(view.calculatorCode, kQuantityCalculatorTemperature);
  EXPECT_NEAR(view.calculatorValue, 999.9872, 0.0002);
  EXPECT_EQ(record, before);
  EXPECT_EQ(GetField(record, kQuantityCalculatorTemperature), 0.0);

  SetDeviceOrSensor(record, Selection::kSensor, 12, kOutput4To20, silent);  // type S
  AssignField(record, kQuantityCalculatorTemperature, 1000.0f, kOutput4To20, view);
  EXPECT_NEAR(view.calculatorValue, 9.587, 0.0005);
  SetDeviceOrSensor(record, Selection::kSensor, 8, kOutput4To20, silent);  // Pt100: type K
  AssignField(record, kQuantityCalculatorTemperature, 1000.0f, kOutput4To20, view);
  EXPECT_NEAR(view.calculatorValue, 41.2756, 0.0001);

  view.calls.clear();
  EXPECT_EQ(AssignField(record, kQuantityCalculatorSignal, kInfinity, kOutput4To20, view), 0.0f);
  EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "ShowCalculatorValue"), 0);
}

}  // namespace
}  // namespace zelto::config
