#include "bench_program.h"
#include "instruments/instrument_connection.h"
#include "tool_test_support.h"

#include <gtest/gtest.h>
#include <iomanip>
#include <signal.h>
#include <sstream>

namespace zelto::cli {
namespace {

using namespace std::chrono_literals;
using instruments::Calibrator;
using instruments::CommandTemplate;
using instruments::CurrentMeter;
using testing::BackgroundProgram;

using Bench = BenchProgram;

instruments::InstrumentSetting SettingOf(const std::string& address) {
  const std::string text = address.starts_with("tcp:") ? address : "serial:" + address;
  return std::get<instruments::InstrumentSetting>(instruments::ParseInstrumentSetting(text));
}

std::unique_ptr<CurrentMeter> MeterAt(const std::string& address) {
  auto meter = instruments::ConnectMeter(SettingOf(address), {}, {});
  EXPECT_TRUE(std::holds_alternative<std::unique_ptr<CurrentMeter>>(meter));
  return std::holds_alternative<std::unique_ptr<CurrentMeter>>(meter)
             ? std::move(std::get<std::unique_ptr<CurrentMeter>>(meter))
             : nullptr;
}

std::unique_ptr<Calibrator> CalibratorAt(const std::string& address, const std::string& command) {
  auto calibrator = instruments::ConnectCalibrator(
      SettingOf(address), std::get<CommandTemplate>(CommandTemplate::Parse(command)), {});
  EXPECT_TRUE(std::holds_alternative<std::unique_ptr<Calibrator>>(calibrator));
  return std::holds_alternative<std::unique_ptr<Calibrator>>(calibrator)
             ? std::move(std::get<std::unique_ptr<Calibrator>>(calibrator))
             : nullptr;
}

// The current the meter reads once the calibrator applied the values.
double CurrentAt(Calibrator& calibrator, CurrentMeter& meter, instruments::SourceValues values) {
  EXPECT_EQ(calibrator.Apply(values), std::nullopt);
  // Sent, not yet carried out: the meter's query behind it on another line could overtake it.
  // The calibrator's own query comes back only once the command before it is done.
  EXPECT_TRUE(std::holds_alternative<std::string>(calibrator.Identify()));
  const auto reading = meter.ReadMilliamperes();
  EXPECT_TRUE(std::holds_alternative<double>(reading));
  return std::holds_alternative<double>(reading) ? std::get<double>(reading) : NAN;
}

instruments::SourceValues Celsius(double temperature) {
  instruments::SourceValues values;
  values.celsius = temperature;
  return values;
}

instruments::SourceValues Ohms(double resistance) {
  instruments::SourceValues values;
  values.ohms = resistance;
  return values;
}

std::string Decimal(double value) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(4) << value;
  return text.str();
}

TEST(SimulateBench, ItsMeterReadsTheUnitsErrorAndACorrectionTakesItAway) {
  Bench bench({"--unit-error", "1.004,0"});
  ASSERT_TRUE(bench.meter.starts_with("/dev/pts/")) << bench.meter;
  ASSERT_TRUE(bench.calibrator.starts_with("/dev/pts/")) << bench.calibrator;
  const auto written = RunProgram(kCli, {"--model", "1", "--port", bench.transmitter, "write",
                                         "--sensor", "8", "--range", "0..100"});
  ASSERT_EQ(written.exitCode, 0) << written.err;

  const auto meter = MeterAt(bench.meter);
  auto byTemperature = CalibratorAt(bench.calibrator, "SOUR:TEMP {c}");
  ASSERT_TRUE(meter && byTemperature);
  EXPECT_EQ(std::get<std::string>(meter->Identify()), "Zelto,Simulated current meter,SIM-0001,1.0");
  // Pt100 with 0.4 % too much signal: 1.46 °C high at 100 °C, 0.96 °C at 0 °C.
  const double low = CurrentAt(*byTemperature, *meter, Celsius(0));
  const double high = CurrentAt(*byTemperature, *meter, Celsius(100));
  EXPECT_NEAR(low, 4.1638, 1e-3);
  EXPECT_NEAR(high, 20.2338, 1e-3);
  byTemperature.reset();  // a serial port takes one client at a time
  const auto byResistance = CalibratorAt(bench.calibrator, "SOUR:RES {ohm}");
  ASSERT_TRUE(byResistance);
  EXPECT_NEAR(CurrentAt(*byResistance, *meter, Ohms(138.5055)), high, 1e-4);
  EXPECT_NEAR(CurrentAt(*byResistance, *meter, Ohms(100)), low, 1e-4);

  const auto corrected = RunProgram(
      kCli, {"--model", "1", "--port", bench.transmitter, "correct", "--sensor", "8", "--range",
             "0..100", "--t1", "0", "--t2", "100", "--i1", Decimal(low), "--i2", Decimal(high)});
  ASSERT_EQ(corrected.exitCode, 0) << corrected.err;
  for (const double temperature : {0.0, 25.0, 50.0, 75.0, 100.0}) {
    EXPECT_NEAR(
        CurrentAt(*byResistance, *meter,
                  Ohms(100 * (1 + 3.9083e-3 * temperature - 5.775e-7 * temperature * temperature))),
        4 + 0.16 * temperature, 0.008)
        << temperature << " °C, within 0.05 % of span";
  }
  EXPECT_EQ(bench.program.Stop(SIGTERM).exitCode, 0);
}

TEST(SimulateBench, ServesItsInstrumentsOnTcpPortsOfTheLoopback) {
  Bench bench({"--tcp"});
  EXPECT_TRUE(bench.transmitter.starts_with("/dev/pts/")) << bench.transmitter;
  for (const std::string& address : {bench.meter, bench.calibrator})
    EXPECT_TRUE(address.starts_with("tcp:127.0.0.1:")) << address;
  const auto calibrator = CalibratorAt(bench.calibrator, "SOUR:TEMP {c}");
  ASSERT_TRUE(calibrator);
  EXPECT_EQ(std::get<std::string>(calibrator->Identify()),
            "Zelto,Simulated calibrator,SIM-0002,1.0");
  const auto meter = MeterAt(bench.meter);
  ASSERT_TRUE(meter);
  EXPECT_EQ(CurrentAt(*calibrator, *meter, Celsius(20)), 0.0) << "an unconfigured unit";
  const auto result = bench.program.Stop(SIGINT);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
}

TEST(SimulateBench, RefusesItsOptionsWithoutTheBenchAndABadUnitError) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"simulate", "--tcp"},
        {"simulate", "--unit-error", "1,0"},
        {"simulate", "--bench", "--count", "2"},
        {"simulate", "--bench", "--unit-error", "0,0"},
        {"simulate", "--bench", "--unit-error", "1.004"},
        {"simulate", "--bench", "--unit-error", "1,0.5,1"},
        {"simulate", "--bench", "--unit-error"}}) {
    const auto result = RunProgram(kCli, arguments);
    EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(arguments);
    EXPECT_EQ(result.out, "") << ::testing::PrintToString(arguments);
  }
}

}  // namespace
}  // namespace zelto::cli
