#include "cli/help_lines.h"

#include <algorithm>

namespace zelto::cli {
namespace {

// Characters, not bytes: a UTF-8 character is one byte that does not continue another.
std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

std::string Wrapped(std::string_view text, std::size_t indent) {
  std::string wrapped;
  std::size_t lineStart = 0;
  while (lineStart <= text.size()) {
    const std::size_t lineEnd = std::min(text.find('\n', lineStart), text.size());
    std::string_view rest = text.substr(lineStart, lineEnd - lineStart);
    bool continued = false;
    while (Columns(rest) > kHelpWidth - (continued ? indent : 0)) {
      const std::size_t room = kHelpWidth - (continued ? indent : 0);
      // The last blank at which the line still fits, past any leading blanks.
      const std::size_t first = rest.find_first_not_of(' ');
      std::size_t cut = std::string_view::npos;
      for (std::size_t at = rest.find(' ', first); at != std::string_view::npos;
           at = rest.find(' ', at + 1)) {
        if (Columns(rest.substr(0, at)) > room)
          break;
        cut = at;
      }
      if (cut == std::string_view::npos)
        break;
      wrapped.append(rest.substr(0, cut)).append("\n").append(indent, ' ');
      const std::size_t next = rest.find_first_not_of(' ', cut);
      rest = next == std::string_view::npos ? std::string_view() : rest.substr(next);
      continued = true;
    }
    wrapped.append(rest);
    if (lineEnd == text.size())
      break;
    wrapped += '\n';
    lineStart = lineEnd + 1;
  }
  return wrapped;
}

std::string Flowing(std::string_view text) {
  std::string flowing;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\n') {
      flowing += text[at];
      continue;
    }
    flowing += ' ';
    while (at + 1 < text.size() && text[at + 1] == ' ')
      ++at;
  }
  return flowing;
}

}  // namespace zelto::cli
