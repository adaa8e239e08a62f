#include "config/field_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace zelto::config {
namespace {

TEST(FieldNumber, TakesTheDecimalCommaSignsExponentsAndBlanks) {
  const std::pair<const char*, float> accepted[] = {
      {"12,5", 12.5f},  {"-3", -3.0f},         {"+7,25", 7.25f}, {"  42 ", 42.0f},
      {"1E3", 1000.0f}, {"2,5e-1", 0.25f},     {"1e+2", 100.0f}, {",5", 0.5f},
      {"5,", 5.0f},     {"\t-0,001", -0.001f},
  };
  for (const auto& [text, value] : accepted) {
    const auto parsed = ParseFieldNumber(text);
    ASSERT_TRUE(parsed.has_value()) << text;
    EXPECT_FLOAT_EQ(*parsed, value) << text;
  }
}

TEST(FieldNumber, RefusesEverythingElse) {
  for (const char* text :
       {"12.5", "",    "   ", "1 000", "1,000,5", "abc", "12a",  "--1",   "+",    ",",
        "1e",   "1e+", "E5",  "0x10",  "inf",     "nan", "1,5,", "1e5.0", "1e40", "-1e40"}) {
    EXPECT_FALSE(ParseFieldNumber(text).has_value()) << '"' << text << '"';
  }
}

TEST(FieldNumber, ShowsEachFormatWithTheCommaAndNoTrailingZeros) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {100.0, 0, "100"},
      {-50.0, 0, "-50"},
      {4.0, 1, "4"},
      {12.5, 2, "12,5"},
      {12.345f, 2, "12,35"},
      {4.0625, 3, "4,063"},
      {-4.0625, 3, "-4,063"},
      {0.25, 1, "0,3"},
      {2.5, 0, "3"},
      {-0.0004, 3, "0"},
      {0.0005, 3, "0,001"},
      {1e20f, 0, "100000002004087734272"},
      {0.1f, kGeneralForm, "0,100000001490116"},
      {12.5, kGeneralForm, "12,5"},
      {0.0, kGeneralForm, "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFieldNumber(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
  }
}

TEST(FieldNumber, WhatIsShownReadsBackAsTheSameNumber) {
  for (const float value : {12.5f, -49.75f, 0.001f, 1234.5f, 20.8f}) {
    const auto back = ParseFieldNumber(FormatFieldNumber(value, 3));
    ASSERT_TRUE(back.has_value());
    EXPECT_NEAR(*back, value, 0.0005f);
  }
  // The general form rounds the largest float up, past it but not past the float range.
  const float largest = std::numeric_limits<float>::max();
  EXPECT_EQ(ParseFieldNumber(FormatFieldNumber(largest, kGeneralForm)), largest);
  EXPECT_EQ(ParseFieldNumber(FormatFieldNumber(-largest, kGeneralForm)), -largest);
  EXPECT_FALSE(ParseFieldNumber("3,4028236E38"));
}

}  // namespace
}  // namespace zelto::config
