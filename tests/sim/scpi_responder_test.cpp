#include "sim/scpi_responder.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace zelto::sim {
namespace {

// A loop that takes temperatures and resistances, as a resistance thermometer's input does.
class ThermometerLoop final : public BenchLoop {
 public:
  bool Source(SourceQuantity quantity, double value) override {
    if (quantity != SourceQuantity::kTemperature && quantity != SourceQuantity::kResistance)
      return false;
    applied.emplace_back(quantity, value);
    return true;
  }
  double LoopCurrent() const override { return 0.0123456789; }

  std::vector<std::pair<SourceQuantity, double>> applied;
};

TEST(ScpiResponder, AMeterAnswersItsQueriesInEitherFormAndAnyCase) {
  ThermometerLoop loop;
  ScpiResponder meter(BenchRole::kCurrentMeter, loop);
  for (const char* query : {"MEAS:CURR:DC?", "meas:curr:dc?", ":MEASure:CURRent:DC?", "MEAS:CURR?",
                            "Measure:Current?", "READ?", "  MEAS:CURR:DC?\t"}) {
    EXPECT_EQ(meter.Respond(query), "1.23456789E-02") << query;
  }
  EXPECT_EQ(meter.Respond("*IDN?"), "Zelto,Simulated current meter,SIM-0001,1.0");
  EXPECT_EQ(meter.Respond("SYST:ERR?"), "0,\"No error\"");
}

TEST(ScpiResponder, ACalibratorSetsTheInputAndQueuesWhatItCannotDo) {
  ThermometerLoop loop;
  ScpiResponder calibrator(BenchRole::kCalibrator, loop);
  EXPECT_EQ(calibrator.Respond("SOUR:TEMP 50.000"), std::nullopt);
  EXPECT_EQ(calibrator.Respond("source:resistance +1.193971E+02"), std::nullopt);
  EXPECT_EQ(loop.applied,
            (std::vector<std::pair<SourceQuantity, double>>{
                {SourceQuantity::kTemperature, 50.0}, {SourceQuantity::kResistance, 119.3971}}));
  EXPECT_EQ(calibrator.Respond("SOUR:VOLT 0.02"), std::nullopt);   // not for this input
  EXPECT_EQ(calibrator.Respond("SOUR:RES fifty"), std::nullopt);   // no number
  EXPECT_EQ(calibrator.Respond("MEAS:CURR:DC?"), std::nullopt);    // a meter's query
  EXPECT_EQ(calibrator.Respond("SOUR:RESIST 100"), std::nullopt);  // neither form
  EXPECT_EQ(loop.applied.size(), 2u);
  const std::vector<std::optional<std::string>> errors{
      "-221,\"Settings conflict\"", "-104,\"Data type error\"", "-113,\"Undefined header\"",
      "-113,\"Undefined header\"", "0,\"No error\""};
  for (const auto& error : errors)
    EXPECT_EQ(calibrator.Respond("SYSTem:ERRor:NEXT?"), error);
  calibrator.Respond("SOUR:CURR 0.004");
  calibrator.Respond("*CLS");
  EXPECT_EQ(calibrator.Respond("SYST:ERR?"), "0,\"No error\"");
}

TEST(ScpiResponder, MisbehavesAsItIsTold) {
  ThermometerLoop loop;
  ScpiResponder meter(BenchRole::kCurrentMeter, loop);
  meter.SetFault(InstrumentFault::Drift(0.5));
  EXPECT_EQ(meter.Respond("READ?"), "1.28456789E-02");
  EXPECT_EQ(meter.Respond("READ?"), "1.33456789E-02");
  meter.SetFault(InstrumentFault::Overload());
  EXPECT_EQ(meter.Respond("READ?"), "9.90000000E+37");
  meter.SetFault(InstrumentFault::Silent());
  EXPECT_EQ(meter.Respond("*IDN?"), std::nullopt);
  meter.SetFault(InstrumentFault::None());
  EXPECT_EQ(meter.Respond("READ?"), "1.23456789E-02");
}

}  // namespace
}  // namespace zelto::sim
