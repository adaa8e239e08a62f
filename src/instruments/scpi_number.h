#pragma once

#include <optional>
#include <string_view>

namespace zelto::instruments {

// A SCPI decimal number, NR1 ("4"), NR2 ("-0.004") or NR3 ("+4.0012E-03"), with blanks around
// it; nothing for anything else, "NaN" and "INF" included.
std::optional<double> ParseScpiNumber(std::string_view text);

// SCPI's stand-in for a reading beyond the range (9.9E37), and its not-a-number (9.91E37).
bool IsOverloadValue(double value);

}  // namespace zelto::instruments
