#include "instruments/command_template.h"
#include "instruments/instrument_setting.h"
#include "instruments/scpi_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zelto::instruments {
namespace {

TEST(InstrumentSetting, NamesTheConnection) {
  const struct {
    std::string text;
    InstrumentSetting setting;
  } cases[]{
      {"manual", {Connection::kManual, "", 9600, "", 0, "manual"}},
      {"serial:/dev/ttyUSB1", {Connection::kSerial, "/dev/ttyUSB1", 9600, "", 0, ""}},
      {"serial:/dev/ttyUSB1:19200", {Connection::kSerial, "/dev/ttyUSB1", 19200, "", 0, ""}},
      // Colons of the path itself, and no rate after them.
      {"serial:/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0",
       {Connection::kSerial, "/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0", 9600, "", 0,
        ""}},
      {"tcp:192.168.0.5:5025", {Connection::kTcp, "", 9600, "192.168.0.5", 5025, ""}},
      {"tcp:meter.lab:5025", {Connection::kTcp, "", 9600, "meter.lab", 5025, ""}},
      {"tcp:[::1]:5025", {Connection::kTcp, "", 9600, "::1", 5025, ""}},
  };
  for (auto c : cases) {
    const auto parsed = ParseInstrumentSetting(c.text);
    ASSERT_TRUE(std::holds_alternative<InstrumentSetting>(parsed)) << c.text;
    c.setting.text = c.text;
    EXPECT_EQ(std::get<InstrumentSetting>(parsed), c.setting) << c.text;
  }
}

TEST(InstrumentSetting, RefusesWithTheReason) {
  const struct {
    std::string text;
    SettingRefusal refusal;
  } cases[]{
      {"", SettingRefusal::kUnknownConnection},
      {"Manual", SettingRefusal::kUnknownConnection},
      {"usb:/dev/usbtmc0", SettingRefusal::kUnknownConnection},
      {"/dev/ttyUSB1", SettingRefusal::kUnknownConnection},
      {"serial:", SettingRefusal::kNoPath},
      {"serial::9600", SettingRefusal::kNoPath},
      {"serial:/dev/ttyUSB1:9601", SettingRefusal::kBadBaud},
      {"serial:/dev/ttyUSB1:0", SettingRefusal::kBadBaud},
      {"tcp:10.0.0.5", SettingRefusal::kBadPort},
      {"tcp:10.0.0.5:", SettingRefusal::kBadPort},
      {"tcp:10.0.0.5:0", SettingRefusal::kBadPort},
      {"tcp:10.0.0.5:65536", SettingRefusal::kBadPort},
      {"tcp:10.0.0.5:50x", SettingRefusal::kBadPort},
      {"tcp:10.0.0.5:-1", SettingRefusal::kBadPort},
      {"tcp::5025", SettingRefusal::kNoHost},
      {"tcp:::1:5025", SettingRefusal::kNoHost},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseInstrumentSetting(c.text);
    ASSERT_TRUE(std::holds_alternative<SettingRefusal>(parsed)) << c.text;
    EXPECT_EQ(std::get<SettingRefusal>(parsed), c.refusal) << c.text;
  }
}

TEST(ScpiNumber, ReadsTheThreeDecimalForms) {
  const struct {
    std::string text;
    std::optional<double> value;
  } cases[]{
      {"4", 4.0},
      {"-0.004", -0.004},
      {"+4.0012E-03", 0.0040012},
      {"4.00120000e-03\r", 0.0040012},
      {"  .5  ", 0.5},
      {"5.", 5.0},
      {"1E2", 100.0},
      {"9.9E37", 9.9e37},
      {"", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"1E", std::nullopt},
      {"NaN", std::nullopt},
      {"INF", std::nullopt},
      {"0x10", std::nullopt},
      {"4,0012E-03", std::nullopt},
      {"4.0 mA", std::nullopt},
      {"1E400", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto value = ParseScpiNumber(c.text);
    ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text;
    if (value) {
      EXPECT_DOUBLE_EQ(*value, *c.value) << c.text;
    }
  }
  EXPECT_TRUE(IsOverloadValue(9.9e37));
  EXPECT_TRUE(IsOverloadValue(-9.91e37));
  EXPECT_FALSE(IsOverloadValue(0.0205));
}

SourceValues Celsius(double temperature) {
  SourceValues values;
  values.celsius = temperature;
  return values;
}

TEST(CommandTemplate, PutsThePointsValuesInWithADecimalPoint) {
  const SourceValues rtd{50.0, 119.39712, std::nullopt, std::nullopt};
  const SourceValues thermocouple{500.0, std::nullopt, 20.644, std::nullopt};
  const SourceValues current{std::nullopt, std::nullopt, std::nullopt, 12.0};
  const struct {
    std::string text;
    SourceValues values;
    std::string command;
  } cases[]{
      {"SOUR:RES {ohm}", rtd, "SOUR:RES 119.3971"},
      {"SOUR:TEMP {c}", rtd, "SOUR:TEMP 50.000"},
      {"SOUR:VOLT {v}", thermocouple, "SOUR:VOLT 0.0206440"},
      {"SOUR:VOLT {mv} MV;:OUTP ON", thermocouple, "SOUR:VOLT 20.6440 MV;:OUTP ON"},
      {"SOUR:CURR {a}", current, "SOUR:CURR 0.0120000"},
      {"SOUR:CURR {ma}E-3", current, "SOUR:CURR 12.0000E-3"},
      {"SOUR:TEMP {c}", Celsius(-0.00001), "SOUR:TEMP 0.000"},
      {"OUT {c} {c}", Celsius(-12.5), "OUT -12.500 -12.500"},
      {"SOUR:TEMP {c}", Celsius(1e30), "SOUR:TEMP 1000000000000000019884624838656.000"},
  };
  for (const auto& c : cases) {
    const auto parsed = CommandTemplate::Parse(c.text);
    ASSERT_TRUE(std::holds_alternative<CommandTemplate>(parsed)) << c.text;
    const auto& command = std::get<CommandTemplate>(parsed);
    EXPECT_EQ(command.MissingField(c.values), std::nullopt) << c.text;
    EXPECT_EQ(command.Fill(c.values), c.command) << c.text;
  }
}

TEST(CommandTemplate, NamesTheFieldAPointDoesNotHave) {
  const auto command = std::get<CommandTemplate>(CommandTemplate::Parse("SOUR:RES {ohm}"));
  EXPECT_EQ(command.MissingField({500.0, std::nullopt, 20.644, std::nullopt}), "{ohm}");
  const auto volts = std::get<CommandTemplate>(CommandTemplate::Parse("SOUR:VOLT {v}"));
  EXPECT_EQ(volts.MissingField({50.0, 119.4, std::nullopt, std::nullopt}), "{v}");
}

TEST(CommandTemplate, RefusesWhatIsNoOneLineTemplate) {
  const struct {
    std::string text;
    SettingRefusal refusal;
  } cases[]{
      {"", SettingRefusal::kEmptyCommand},
      {"   ", SettingRefusal::kEmptyCommand},
      {"SOUR:RES {ohm}\n*RST", SettingRefusal::kCommandNotOneLine},
      {"SOUR:RES\t{ohm}", SettingRefusal::kCommandNotOneLine},
      {"SOUR:RES {OHM}", SettingRefusal::kUnknownField},
      {"SOUR:RES {r}", SettingRefusal::kUnknownField},
      {"SOUR:RES {ohm", SettingRefusal::kUnknownField},
      {"SOUR:RES ohm}", SettingRefusal::kUnknownField},
  };
  for (const auto& c : cases) {
    const auto parsed = CommandTemplate::Parse(c.text);
    ASSERT_TRUE(std::holds_alternative<SettingRefusal>(parsed)) << c.text;
    EXPECT_EQ(std::get<SettingRefusal>(parsed), c.refusal) << c.text;
  }
  EXPECT_EQ(RefuseCommandLine("MEAS:CURR:DC?"), std::nullopt);
  EXPECT_EQ(RefuseCommandLine("MEAS:CURR:DC?\r"), SettingRefusal::kCommandNotOneLine);
}

}  // namespace
}  // namespace zelto::instruments
