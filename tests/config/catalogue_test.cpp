#include "config/comma_decimals.h"
#include "config/real_conversion.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zelto::config {
namespace {

TEST(CommaDecimals, OnlySinglePointsBetweenCharacters) {
  std::string text = "(0.5...10.0) a..b 4.000 end.";
  CommaDecimals(text);
  EXPECT_EQ(text, "(0,5...10,0) a..b 4,000 end.");
}

TEST(RealConversion, TruncatesSaturatesAndRefuses) {
  EXPECT_EQ(TruncateToInt32(99.9), 99);
  EXPECT_EQ(TruncateToInt32(-18.89), -18);
  EXPECT_EQ(TruncateToInt32(1e20), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(TruncateToInt32(-2147483648.9), std::numeric_limits<int32_t>::min());
  EXPECT_FALSE(TruncateToInt32(std::nan("")));
  EXPECT_FALSE(TruncateToInt32(-std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(NarrowToFloat(1e39));
}

}  // namespace
}  // namespace zelto::config
