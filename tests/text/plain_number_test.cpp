#include "text/plain_number.h"

#include <gtest/gtest.h>

#include <optional>

namespace zelto::text {
namespace {

TEST(PlainNumber, TakesOnlyAWholeFiniteNumber) {
  EXPECT_EQ(FiniteNumber("40"), 40.0);
  EXPECT_EQ(FiniteNumber("-1.5"), -1.5);
  EXPECT_EQ(FiniteNumber("+2e-3"), 2e-3);
  for (const char* refused : {"", "+", "-", "+-5", "++5", "5 ", " 5", "1,5", "0x10", "inf",
                              "-inf", "nan", "1e999", "5mA"}) {
    EXPECT_EQ(FiniteNumber(refused), std::nullopt) << refused;
  }
}

TEST(PlainNumber, TrimsBlanksOfEveryKindAndNothingElse) {
  EXPECT_EQ(Trimmed(" \t4.01\r\n"), "4.01");
  EXPECT_EQ(Trimmed("\v\f"), "");
  EXPECT_EQ(Trimmed("a b"), "a b");
}

}  // namespace
}  // namespace zelto::text
