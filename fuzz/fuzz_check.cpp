#include "fuzz_check.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sanitizer/common_interface_defs.h>

namespace zelto::fuzz {

void Fail(const char* what, const char* file, int line) {
  std::array<char, 512> message{};
  std::snprintf(message.data(), message.size(), "invariant broken at %s:%d: %s", file, line, what);
  __sanitizer_report_error_summary(message.data());
  __sanitizer_print_stack_trace();
  std::abort();
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    int continuation = 0;
    std::uint32_t least = 0;  // the smallest code point of the form, to refuse overlong forms
    std::uint32_t point = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      continuation = 1;
      least = 0x80;
      point = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      continuation = 2;
      least = 0x800;
      point = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      continuation = 3;
      least = 0x10000;
      point = lead & 0x07u;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(continuation) >= text.size())
      return false;
    for (int k = 1; k <= continuation; ++k) {
      const auto next = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80)
        return false;
      point = point << 6 | (next & 0x3Fu);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
      return false;
    i += static_cast<std::size_t>(continuation) + 1;
  }
  return true;
}

}  // namespace zelto::fuzz
