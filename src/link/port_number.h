#pragma once

#include <string>
#include <string_view>

namespace zelto {

// Port numbers 1..255; the low four bits also travel in LinkFlags.
inline constexpr int kMaxPortNumber = 255;

inline constexpr bool IsPortNumber(int n) {
  return n >= 1 && n <= kMaxPortNumber;
}

// The number in the port list's text after its first three characters ("COM7" gives 7,
// " 7" after them as well). The text is UTF-8 and the characters are counted as characters.
// Throws std::invalid_argument "'<rest>' is not a valid integer value" when the rest is not
// an integer.
int SelectedPortNumber(std::string_view text);

// "COM7": an entry of the port list.
std::string PortLabel(int number);

// "Com7 (/dev/ttyUSB0)": a port as the status texts name it, by its number and, where it has
// one, the device path the user gave or picked; "Com7" without one.
std::string PortMention(int number, std::string_view path);

}  // namespace zelto
