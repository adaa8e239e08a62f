#include "check/typed_number.h"

#include "text/plain_number.h"

namespace zelto::check {

std::optional<double> ParseTypedNumber(std::string text) {
  text = std::string(text::Trimmed(text));
  if (const auto comma = text.find(','); comma != std::string::npos) {
    if (text.find('.') != std::string::npos)
      return std::nullopt;
    text[comma] = '.';
  }
  return text::FiniteNumber(text);
}

}  // namespace zelto::check
