#include "rig/output_model.h"

#include "check/check_plan.h"
#include "check/checked_configuration.h"
#include "config/correction.h"
#include "config/memory_map.h"
#include "config/memory_words.h"
#include "config/nominal_currents.h"
#include "config/sensor_catalogue.h"
#include "unit_memory.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace zelto::rig {
namespace {

using sim::SourceQuantity;
using testing::ConfiguredMemory;
using testing::UnitMemory;
using testing::UnitSetup;

double Current(const UnitSetup& setup, const UnitMemory& memory, AppliedInput input,
               UnitError error = {}) {
  const auto stored = StoredInMemory(setup.model, memory);
  EXPECT_TRUE(stored);
  return OutputCurrent(setup.model, *stored, input, error);
}

double Current(const UnitSetup& setup, AppliedInput input, UnitError error = {}) {
  return Current(setup, ConfiguredMemory(setup), input, error);
}

// What the calibrator applies for the point, in its own quantity and unit.
AppliedInput SignalOf(const check::CheckPoint& point) {
  switch (point.signalUnit) {
    case check::SignalUnit::kOhm:
      return {SourceQuantity::kResistance, point.signal};
    case check::SignalUnit::kMillivolt:
      return {SourceQuantity::kVoltage, point.signal / 1000};
    case check::SignalUnit::kMilliampere:
      return {SourceQuantity::kCurrent, point.signal / 1000};
  }
  return {};
}

TEST(OutputModel, AUnitWithoutErrorOrCorrectionDrivesTheNominalCurrents) {
  const struct {
    std::string name;
    UnitSetup setup;
  } cases[]{
      {"copper 100M", {config::kDeviceDastra2, 2, 0, 100}},
      {"copper 53M 1.428", {config::kDeviceDastra2, 4, -50, 200}},
      {"platinum Pt100", {config::kDeviceDastra2, 8, -50, 150}},
      {"platinum 50П", {config::kDeviceDastra2, 6, 0, 600}},
      {"thermocouple K", {config::kDeviceDastra2, 11, 0, 1000}},
      {"thermocouple K linear in EMF", {config::kDeviceDastra2, 11, 0, 1000, true}},
      {"thermocouple L linear in EMF", {config::kDeviceDastra2, 10, -50, 600, true}},
      {"thermocouple S on Velmor-7", {config::kDeviceVelmor7, 12, 0, 1600}},
      {"thermocouple B on Velmor-7", {config::kDeviceVelmor7, 13, 600, 1800}},
      {"voltage input", {config::kDeviceVelmor7, 15, 0, 100}},
      {"current input", {config::kDeviceVelmor7, 19, 4, 20}},
      {"resistance input", {config::kDeviceVelmor7, 20, 0, 320}},
      {"Pt100 on 0..5 mA", {config::kDeviceVelmor7, 8, 0, 100, false, config::kOutput0To5}},
      {"Pt100 on 0..20 mA", {config::kDeviceVelmor7, 8, 0, 100, false, config::kOutput0To20}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const UnitMemory memory = ConfiguredMemory(c.setup);
    const auto stored = config::DecodeStoredConfiguration(c.setup.model, testing::WordsOf(memory));
    const auto checked =
        std::get<check::CheckedConfiguration>(check::DescribeChecked(c.setup.model, *stored));
    const auto plan = std::get<check::CheckPlan>(
        check::PlanCheck(checked, std::vector<double>{0, 10, 25, 50, 75, 90, 100}));
    for (const check::CheckPoint& point : plan.points) {
      SCOPED_TRACE(point.percent);
      // The calibrator's signal in its own quantity, and for a sensor also as a temperature;
      // within the rounding of the unit's float arithmetic, a few millionths of the span.
      EXPECT_NEAR(Current(c.setup, memory, SignalOf(point)), point.expected, 3e-4);
      if (point.temperatureRange) {
        EXPECT_NEAR(Current(c.setup, memory, {SourceQuantity::kTemperature, point.temperature}),
                    point.expected, 3e-4);
      }
    }
  }
}

// Pt100 above 0 °C: W = 1 + A t + B t², so the unit that perceives W' takes it for
// t = (-A + sqrt(A² - 4 B (1 - W'))) / (2 B). Copper 100M: W = 1 + 0.00426 t, so 0.426 Ω more
// is one degree more.
double Pt100Temperature(double ratio) {
  const double a = 3.9083e-3;
  const double b = -5.775e-7;
  return (-a + std::sqrt(a * a - 4 * b * (1 - ratio))) / (2 * b);
}

double Pt100Ratio(double temperature) {
  return 1 + 3.9083e-3 * temperature - 5.775e-7 * temperature * temperature;
}

TEST(OutputModel, AddsTheUnitsOwnInputError) {
  const UnitSetup pt100{config::kDeviceDastra2, 8, 0, 100};
  const UnitSetup copper{config::kDeviceDastra2, 2, 0, 100};
  const struct {
    UnitSetup setup;
    UnitError error;
    double temperature;
    double current;
  } cases[]{
      {pt100, {1.004, 0}, 0, 4 + 0.16 * Pt100Temperature(1.004)},
      {pt100, {1.004, 0}, 50, 4 + 0.16 * Pt100Temperature(1.004 * Pt100Ratio(50))},
      {pt100, {1.004, 0}, 100, 4 + 0.16 * Pt100Temperature(1.004 * 1.385055)},
      {copper, {1, 0.426}, 0, 4.16},
      {copper, {1, 0.426}, 100, 20.16},
      {copper, {1.00426, 0}, 100, 4 + 0.16 * (100 + 142.6 * 0.00426 / 0.426)},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(Current(c.setup, {SourceQuantity::kTemperature, c.temperature}, c.error), c.current,
                1e-4)
        << c.error.gain << "," << c.error.offset << " at " << c.temperature;
  }
  // 1.004 on Pt100: 1.46 °C too high at 100 °C, an error of 1.46 % of span; 0.16 mA at 0 °C.
  EXPECT_NEAR(Current(pt100, {SourceQuantity::kTemperature, 100}, {1.004, 0}), 20.2338, 1e-4);
  EXPECT_NEAR(Current(pt100, {SourceQuantity::kTemperature, 0}, {1.004, 0}), 4.1638, 1e-4);
}

// The correction the configurator computes from the currents at T1 and T2, written to the unit.
UnitMemory Corrected(const UnitSetup& setup, UnitError error) {
  UnitMemory memory = ConfiguredMemory(setup);
  config::ConfigRecord record;
  record.Device = static_cast<uint8_t>(setup.model);
  record.Sensor = static_cast<uint8_t>(setup.sensor);
  record.Mode = config::kModeResistance;
  record.Rezist = 1;
  record.RngMin = setup.low;
  record.RngMax = setup.high;
  record.TmpZero = static_cast<float>(setup.low);
  record.TmpFull = static_cast<float>(setup.high);
  config::SilentConfigView view;
  config::ComputeNominalCurrents(record, false, setup.output, view);
  record.Zero =
      static_cast<float>(Current(setup, {SourceQuantity::kTemperature, record.TmpZero}, error));
  record.Full =
      static_cast<float>(Current(setup, {SourceQuantity::kTemperature, record.TmpFull}, error));
  const config::Correction correction = config::ComputeCorrection(record, false);
  EXPECT_TRUE(correction.computed) << correction.refusal;
  const bool velmor = setup.model == config::kDeviceVelmor7;
  testing::Put(memory, config::FloatWord(velmor ? 56 : 84, record.Au));
  testing::Put(memory, config::FloatWord(velmor ? 60 : 88, record.Bu));
  return memory;
}

TEST(OutputModel, ACorrectionInTheUnitsWordsCompensatesItsError) {
  for (const int model : {config::kDeviceDastra2, config::kDeviceVelmor7}) {
    const UnitSetup setup{model, 8, 0, 100};
    for (const UnitError error : {UnitError{1.004, 0}, UnitError{0.997, 0.2}}) {
      const UnitMemory memory = Corrected(setup, error);
      for (const double temperature : {0.0, 25.0, 50.0, 75.0, 100.0}) {
        EXPECT_NEAR(Current(setup, memory, {SourceQuantity::kTemperature, temperature}, error),
                    4 + 0.16 * temperature, 2e-4)
            << model << " " << error.gain << " at " << temperature;
      }
    }
  }
}

TEST(OutputModel, ClampsAtTheEndsOfEachOutput) {
  const struct {
    int output;
    double below;
    double above;
  } cases[]{{config::kOutput4To20, 3.8, 20.5},
            {config::kOutput0To20, 0, 20.5},
            {config::kOutput0To5, 0, 5.125}};
  for (const auto& c : cases) {
    const UnitSetup setup{config::kDeviceVelmor7, 8, 0, 100, false, c.output};
    EXPECT_DOUBLE_EQ(Current(setup, {SourceQuantity::kTemperature, -40}), c.below) << c.output;
    EXPECT_DOUBLE_EQ(Current(setup, {SourceQuantity::kTemperature, 150}), c.above) << c.output;
  }
  const UnitSetup loading{config::kDeviceDastra2, 8, 0, 100};
  EXPECT_DOUBLE_EQ(Current(loading, {SourceQuantity::kResistance, 50}), 3.8);
  EXPECT_DOUBLE_EQ(Current(loading, {SourceQuantity::kResistance, 300}), 20.5);
}

TEST(OutputModel, DrivesTheLowestCurrentWithoutAFittingInput) {
  const UnitSetup setup{config::kDeviceDastra2, 8, 0, 100};
  const auto stored = StoredInMemory(setup.model, ConfiguredMemory(setup));
  EXPECT_DOUBLE_EQ(OutputCurrent(setup.model, *stored, std::nullopt, {}), 3.8);
  EXPECT_DOUBLE_EQ(Current(setup, {SourceQuantity::kVoltage, 0.01}), 3.8);
  auto unconfigured = ConfiguredMemory(setup);
  unconfigured[config::loading_memory::kStateWord + 3] = 0;
  EXPECT_DOUBLE_EQ(Current(setup, unconfigured, {SourceQuantity::kTemperature, 50}), 3.8);
  auto brokenGain = Corrected(setup, {});
  testing::Put(brokenGain, config::FloatWord(84, NAN));
  EXPECT_DOUBLE_EQ(Current(setup, brokenGain, {SourceQuantity::kTemperature, 50}), 3.8);
}

TEST(TakesQuantity, OffersEachInputWhatItCanBeGiven) {
  using Q = SourceQuantity;
  const struct {
    int sensor;
    std::vector<Q> taken;
  } cases[]{{2, {Q::kTemperature, Q::kResistance}},
            {8, {Q::kTemperature, Q::kResistance}},
            {11, {Q::kTemperature, Q::kVoltage}},
            {15, {Q::kVoltage}},
            {17, {Q::kCurrent}},
            {19, {Q::kCurrent}},
            {20, {Q::kResistance}},
            {21, {}}};
  for (const auto& c : cases) {
    for (const Q quantity : {Q::kTemperature, Q::kResistance, Q::kVoltage, Q::kCurrent}) {
      const bool expected = std::find(c.taken.begin(), c.taken.end(), quantity) != c.taken.end();
      EXPECT_EQ(TakesQuantity(c.sensor, quantity), expected)
          << c.sensor << " " << static_cast<int>(quantity);
    }
  }
}

TEST(UnitError, IsReadAsGainCommaOffset) {
  const struct {
    std::string text;
    std::optional<double> gain;
    double offset;
  } cases[]{{"1,0", 1, 0},
            {"1.004,0", 1.004, 0},
            {"0.998,-0.05", 0.998, -0.05},
            {"+1.5,+2", 1.5, 2},
            {"1", std::nullopt, 0},
            {"1;0", std::nullopt, 0},
            {"0,0", std::nullopt, 0},
            {"-1,0", std::nullopt, 0},
            {"1,x", std::nullopt, 0},
            {"nan,0", std::nullopt, 0},
            {"1,inf", std::nullopt, 0},
            {"1,0,0", std::nullopt, 0}};
  for (const auto& c : cases) {
    const auto error = ParseUnitError(c.text);
    ASSERT_EQ(error.has_value(), c.gain.has_value()) << c.text;
    if (error) {
      EXPECT_EQ(error->gain, *c.gain) << c.text;
      EXPECT_EQ(error->offset, c.offset) << c.text;
    }
  }
}

}  // namespace
}  // namespace zelto::rig
