#include "check/typed_number.h"

#include <charconv>
#include <cmath>

namespace zelto::check {

std::optional<double> ParseTypedNumber(std::string text) {
  const auto first = text.find_first_not_of(" \t");
  const auto last = text.find_last_not_of(" \t");
  if (first == std::string::npos)
    return std::nullopt;
  text = text.substr(first, last - first + 1);
  if (const auto comma = text.find(','); comma != std::string::npos) {
    if (text.find('.') != std::string::npos)
      return std::nullopt;
    text[comma] = '.';
  }
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value))
    return std::nullopt;
  return value;
}

}  // namespace zelto::check
