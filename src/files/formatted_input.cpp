#include "files/formatted_input.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace zelto::files {
namespace {

bool IsBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(int c) {
  return c >= '0' && c <= '9';
}

// The whole text as a number, whatever the process locale says about the decimal point.
template <typename Number>
std::optional<Number> Convert(const std::string& text) {
  // from_chars takes a minus sign but no plus.
  const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
  const char* last = text.data() + text.size();
  Number value{};
  const auto [stop, error] = std::from_chars(first, last, value);
  if (error != std::errc() || stop != last)
    return std::nullopt;
  return value;
}

}  // namespace

void FormattedInput::SkipBlanks() {
  while (IsBlank(in_.peek()))
    in_.get();
}

int FormattedInput::TakeDigits(std::string& text) {
  int count = 0;
  while (IsDigit(in_.peek())) {
    text.push_back(static_cast<char>(in_.get()));
    ++count;
  }
  return count;
}

bool FormattedInput::TakeIf(char wanted, std::string& text) {
  if (in_.peek() != wanted)
    return false;
  text.push_back(static_cast<char>(in_.get()));
  return true;
}

bool FormattedInput::TakeSign(std::string& text) {
  return TakeIf('-', text) || TakeIf('+', text);
}

bool FormattedInput::TakeWord(std::string_view word) {
  for (const char letter : word) {
    if (std::tolower(in_.peek()) != letter)
      return false;
    in_.get();
  }
  return true;
}

std::optional<float> FormattedInput::NonFinite(bool negative) {
  const float sign = negative ? -1.0f : 1.0f;
  if (std::tolower(in_.peek()) == 'n') {
    if (!TakeWord("nan"))
      return std::nullopt;
    return std::copysign(std::numeric_limits<float>::quiet_NaN(), sign);
  }
  if (!TakeWord("inf"))
    return std::nullopt;
  // "infinity" or "inf": a word that only begins the longer form is no number.
  if (std::tolower(in_.peek()) == 'i' && !TakeWord("inity"))
    return std::nullopt;
  return sign * std::numeric_limits<float>::infinity();
}

bool FormattedInput::SkipWord() {
  SkipBlanks();
  bool any = false;
  for (int c = in_.peek(); c != std::char_traits<char>::eof() && !IsBlank(c); c = in_.peek()) {
    in_.get();
    any = true;
  }
  return any;
}

std::optional<int32_t> FormattedInput::Integer() {
  SkipBlanks();
  std::string text;
  TakeSign(text);
  if (TakeDigits(text) == 0)
    return std::nullopt;
  return Convert<int32_t>(text);
}

std::optional<float> FormattedInput::Real() {
  SkipBlanks();
  std::string text;
  TakeSign(text);
  if (const int next = std::tolower(in_.peek()); next == 'n' || next == 'i')
    return NonFinite(text == "-");
  int digits = TakeDigits(text);
  if (TakeIf('.', text))
    digits += TakeDigits(text);
  if (digits == 0)
    return std::nullopt;
  // An exponent mark commits the number to an exponent, as formatted input does: "1e" is no
  // number.
  if (TakeIf('e', text) || TakeIf('E', text)) {
    TakeSign(text);
    if (TakeDigits(text) == 0)
      return std::nullopt;
  }
  const auto value = Convert<float>(text);
  if (!value || !std::isfinite(*value))
    return std::nullopt;
  return value;
}

}  // namespace zelto::files
