// What a kept file says, printed: control characters and broken UTF-8 shown, not obeyed.
#include "keep/printable_text.h"

#include <gtest/gtest.h>

namespace zelto::keep {
namespace {

TEST(PrintableText, ShowsControlsAndBrokenBytesAndLeavesTextAlone) {
  struct Case {
    std::string text;
    std::string printed;
  };
  const Case cases[] = {
      {"Dastra-2  Версия прошивки 02.04.0017", "Dastra-2  Версия прошивки 02.04.0017"},
      {"/dev/ttyUSB0\x1b]0;owned\x07", "/dev/ttyUSB0\\u001b]0;owned\\u0007"},
      {"a\tb\nc\rd\x7f", "a\\u0009b\\u000ac\\u000dd\\u007f"},
      {"\xc2\x9b"
       "31m",
       "\\u009b31m"},  // C1 CSI
      {"\x9b"
       "31m",
       "\\x9b31m"},                // a lone byte of no UTF-8
      {"\xe2\x82", "\\xe2\\x82"},  // a sequence cut short
      {"\xc0\xaf", "\\xc0\\xaf"},  // an overlong '/'
      {"€ ✓ 𝄞", "€ ✓ 𝄞"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PrintableText(c.text), c.printed) << c.printed;
}

}  // namespace
}  // namespace zelto::keep
