#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelto::cli {

// No help line is wider than a terminal's usual 80 columns.
inline constexpr std::size_t kHelpWidth = 80;

// Each line of the text broken between words so that none is wider than kHelpWidth, counted in
// characters ("°C" and "→" take one column each); what a break carries over starts `indent`
// columns in. A word longer than a line stays whole.
std::string Wrapped(std::string_view text, std::size_t indent);

// A text of hand-broken lines as one paragraph, each line break with the blanks after it one
// blank, so that it wraps wherever its column leaves room.
std::string Flowing(std::string_view text);

}  // namespace zelto::cli
