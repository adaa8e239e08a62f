#include "instruments/scpi_number.h"

#include "text/plain_number.h"

#include <cmath>

namespace zelto::instruments {
namespace {

constexpr double kOverload = 9.9e37;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether the text has the shape [sign] digits [. digits] [E [sign] digits], with at least one
// digit in the mantissa: from_chars alone would take "inf", "nan" and hexadecimal.
bool IsDecimalNumber(std::string_view text) {
  std::size_t i = 0;
  const auto skipSign = [&] {
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
      ++i;
  };
  const auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i]))
      ++i;
    return i - start;
  };
  skipSign();
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0)
    return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    skipSign();
    if (digits() == 0)
      return false;
  }
  return i == text.size();
}

}  // namespace

std::optional<double> ParseScpiNumber(std::string_view text) {
  text = text::Trimmed(text);
  if (!IsDecimalNumber(text))
    return std::nullopt;
  return text::FiniteNumber(text);
}

bool IsOverloadValue(double value) {
  return std::abs(value) >= kOverload;
}

}  // namespace zelto::instruments
