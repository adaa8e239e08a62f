#include "config/field_text.h"

#include "config/real_conversion.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zelto::config {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// Copies the number in the C library's own form (decimal point) if the text has the form of
// a field number; nothing otherwise.
std::optional<std::string> CanonicalNumber(std::string_view text) {
  std::string number;
  std::size_t i = 0;
  const auto take = [&] { number += text[i++]; };
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    take();
  int digits = 0;
  bool comma = false;
  while (i < text.size() && (IsDigit(text[i]) || (text[i] == ',' && !comma))) {
    if (text[i] == ',') {
      comma = true;
      number += '.';
      ++i;
    } else {
      ++digits;
      take();
    }
  }
  if (digits == 0)
    return std::nullopt;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    take();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
      take();
    int exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
      ++exponentDigits;
      take();
    }
    if (exponentDigits == 0)
      return std::nullopt;
  }
  if (i != text.size())
    return std::nullopt;
  return number;
}

}  // namespace

std::optional<float> ParseFieldNumber(std::string_view text) {
  const auto number = CanonicalNumber(TrimBlanks(text));
  if (!number)
    return std::nullopt;
  // The process runs with LC_NUMERIC "C", so strtod reads the point it was given.
  return NarrowToFloat(std::strtod(number->c_str(), nullptr));
}

std::string FormatFieldNumber(double value, int decimals) {
  std::array<char, 400> buffer{};
  if (decimals < 0 || !std::isfinite(value)) {
    std::snprintf(buffer.data(), buffer.size(), "%.15g", value);
    std::string text = buffer.data();
    for (char& c : text) {
      if (c == '.')
        c = ',';
    }
    return text;
  }
  // Field values are floats or 32-bit integers: scaled by at most 1000 they stay exact in a
  // double, so the rounding sees the value itself and not a neighbour of it.
  const double scaled = std::round(std::fabs(value) * std::pow(10.0, decimals));
  std::snprintf(buffer.data(), buffer.size(), "%.0f", scaled);
  std::string digits = buffer.data();
  if (digits.size() <= static_cast<std::size_t>(decimals))
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  std::string text = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
  std::string fraction = digits.substr(text.size());
  while (!fraction.empty() && fraction.back() == '0')
    fraction.pop_back();
  if (!fraction.empty())
    text += ',' + fraction;
  if (value < 0 && scaled != 0.0)
    text.insert(0, 1, '-');
  return text;
}

}  // namespace zelto::config
