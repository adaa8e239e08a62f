#include "instruments/scpi_number.h"

#include <cctype>
#include <charconv>
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

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<double> ParseScpiNumber(std::string_view text) {
  text = Trimmed(text);
  if (!IsDecimalNumber(text))
    return std::nullopt;
  // from_chars takes no leading plus.
  if (text.front() == '+')
    text.remove_prefix(1);
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value))
    return std::nullopt;
  return value;
}

bool IsOverloadValue(double value) {
  return std::abs(value) >= kOverload;
}

}  // namespace zelto::instruments
