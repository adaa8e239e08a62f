#pragma once

#include <string>
#include <string_view>

namespace zelto::keep {

// What a kept file says (a value, a key, a port, a summary line, a file's name), made safe to
// print on a terminal: every control character, C0, DEL and C1 alike, as \uXXXX, and every byte
// that is no part of valid UTF-8 as \xNN. A file a user edited or copied in must not move the
// cursor, retitle the window or hide the rest of a line.
std::string PrintableText(std::string_view utf8);

}  // namespace zelto::keep
