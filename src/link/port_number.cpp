#include "link/port_number.h"

#include <charconv>
#include <stdexcept>

namespace zelto {
namespace {

// Skips n UTF-8 characters, or to the end.
std::string_view DropCharacters(std::string_view text, int n) {
  std::size_t at = 0;
  for (int i = 0; i < n && at < text.size(); ++i) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
      ++at;
  }
  return text.substr(at);
}

}  // namespace

int SelectedPortNumber(std::string_view text) {
  const std::string_view rest = DropCharacters(text, 3);
  std::string_view digits = rest;
  while (!digits.empty() && digits.front() == ' ')
    digits.remove_prefix(1);
  if (digits.size() > 1 && digits[0] == '+' && digits[1] >= '0' && digits[1] <= '9') {
    digits.remove_prefix(1);
  }

  int number = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, number);
  if (digits.empty() || error != std::errc() || stop != end) {
    throw std::invalid_argument("'" + std::string(rest) + "' is not a valid integer value");
  }
  return number;
}

std::string PortLabel(int number) {
  return "COM" + std::to_string(number);
}

std::string PortMention(int number, std::string_view path) {
  std::string mention = "Com" + std::to_string(number);
  if (!path.empty())
    mention.append(" (").append(path).append(")");
  return mention;
}

}  // namespace zelto
