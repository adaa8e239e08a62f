#include "keep/printable_text.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace zelto::keep {
namespace {

constexpr char32_t kLastC0 = 0x1F;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastC1 = 0x9F;

std::string Escaped(const char* format, unsigned value) {
  std::array<char, 8> text{};
  std::snprintf(text.data(), text.size(), format, value);
  return text.data();
}

// The length of the valid UTF-8 sequence at the start of `text` and its code point; 0 when
// there is none there.
std::size_t SequenceAt(std::string_view text, char32_t& point) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t first = byte(0);
  std::size_t length = 0;
  if (first < 0x80) {
    point = first;
    return 1;
  }
  if (first >= 0xC2 && first <= 0xDF) {
    length = 2;
    point = first & 0x1F;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3;
    point = first & 0x0F;
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4;
    point = first & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length)
    return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80)
      return 0;
    point = point << 6 | (byte(i) & 0x3F);
  }
  // Overlong forms, surrogates and points beyond Unicode are no valid UTF-8.
  const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
  if (overlong || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF)
    return 0;
  return length;
}

}  // namespace

std::string PrintableText(std::string_view utf8) {
  std::string printable;
  printable.reserve(utf8.size());
  while (!utf8.empty()) {
    char32_t point = 0;
    const std::size_t length = SequenceAt(utf8, point);
    if (length == 0) {
      printable += Escaped("\\x%02x", static_cast<std::uint8_t>(utf8.front()));
      utf8.remove_prefix(1);
      continue;
    }
    if (point <= kLastC0 || (point >= kDelete && point <= kLastC1))
      printable += Escaped("\\u%04x", static_cast<unsigned>(point));
    else
      printable.append(utf8.substr(0, length));
    utf8.remove_prefix(length);
  }
  return printable;
}

}  // namespace zelto::keep
