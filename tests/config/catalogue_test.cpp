#include "config/comma_decimals.h"
#include "config/real_conversion.h"
#include "config/sensor_catalogue.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zelto::config {
namespace {

TEST(SensorCatalogue, TablesLimitsAndNominalResistances) {
  struct Expected {
    int TermoC, Rezist, Mode, LimMin, LimMax, R0;
  };
  const Expected expected[kSensorCount] = {
      {3, 3, 3, -50, 200, 50},   {3, 3, 3, -50, 200, 53},   {3, 3, 3, -50, 200, 100},
      {3, 4, 3, -50, 200, 50},   {3, 4, 3, -50, 200, 53},   {3, 4, 3, -50, 200, 100},
      {3, 2, 3, -50, 600, 50},   {3, 2, 3, -50, 600, 100},  {3, 1, 3, -50, 600, 100},
      {2, 0, 1, -50, 1100, 100}, {5, 0, 1, -50, 600, 100},  {3, 0, 1, -50, 1300, 100},
      {0, 0, 1, 0, 1700, 100},   {1, 0, 1, 300, 1800, 100}, {4, 0, 1, 0, 2500, 100},
      {3, 0, 1, 0, 100, 100},    {3, 0, 1, 0, 75, 100},     {3, 0, 1, 0, 5, 100},
      {3, 0, 1, 0, 20, 100},     {3, 0, 1, 4, 20, 100},     {3, 0, 1, 0, 320, 100},
  };
  for (int code = 0; code < kSensorCount; ++code) {
    const auto sensor = LookupSensor(code);
    ASSERT_TRUE(sensor) << code;
    const Expected& e = expected[code];
    EXPECT_EQ(sensor->TermoC, e.TermoC) << code;
    EXPECT_EQ(sensor->Rezist, e.Rezist) << code;
    EXPECT_EQ(sensor->Mode, e.Mode) << code;
    EXPECT_EQ(sensor->LimMin, e.LimMin) << code;
    EXPECT_EQ(sensor->LimMax, e.LimMax) << code;
    EXPECT_EQ(sensor->R0, e.R0) << code;
  }
  EXPECT_FALSE(LookupSensor(-1));
  EXPECT_FALSE(LookupSensor(21));
  EXPECT_FALSE(LookupSensor(63));
}

TEST(SensorCatalogue, NamesAndCaptions) {
  EXPECT_EQ(LookupSensor(11)->summaryName, "термопара ТХА (K)(-50...+1300)°C");
  EXPECT_EQ(LookupSensor(15)->summaryName, "напряжение (0...100)мВ");
  EXPECT_EQ(LookupSensor(0)->summaryName, "термосопротивление   50M R100/R0=1,426 (-50...+200)°C");
  EXPECT_EQ(LookupSensor(14)->rangeCaption, "Температура, °C");
  EXPECT_EQ(LookupSensor(16)->rangeCaption, "Напряжение,  мВ");
  EXPECT_EQ(LookupSensor(17)->rangeCaption, "Входной Ток, мА");
  EXPECT_EQ(LookupSensor(20)->rangeCaption, "Сопротивление,Ом");
}

TEST(CommaDecimals, OnlySinglePointsBetweenCharacters) {
  const std::pair<std::string, std::string> cases[] = {
      {"(0.5...10.0)", "(0,5...10,0)"}, {"4.000", "4,000"}, {"a..b", "a..b"}, {"end.", "end."},
      {"-1.5 x 2.25", "-1,5 x 2,25"},   {"", ""},
  };
  for (auto [text, expected] : cases) {
    CommaDecimals(text);
    EXPECT_EQ(text, expected);
  }
}

TEST(RealConversion, TruncatesSaturatesAndRefuses) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(TruncateToInt32(99.9), 99);
  EXPECT_EQ(TruncateToInt32(-18.89), -18);
  EXPECT_EQ(TruncateToInt32(1e20), kMax);
  EXPECT_EQ(TruncateToInt32(-1e20), kMin);
  EXPECT_EQ(TruncateToInt32(2147483647.9), kMax);
  EXPECT_EQ(TruncateToInt32(-2147483648.9), kMin);
  EXPECT_FALSE(TruncateToInt32(std::nan("")));
  EXPECT_FALSE(TruncateToInt32(-std::numeric_limits<double>::infinity()));
  EXPECT_EQ(NarrowToFloat(41.2756), 41.2756f);
  EXPECT_FALSE(NarrowToFloat(1e39));
  EXPECT_FALSE(NarrowToFloat(std::numeric_limits<double>::infinity()));
}

}  // namespace
}  // namespace zelto::config
