#pragma once

#include <optional>
#include <string>

namespace zelto::check {

// A number as the user types it at the bench (a current in mA, a tolerance): a point or a comma
// before the decimals, blanks around; nothing for anything else or a number that is not finite.
std::optional<double> ParseTypedNumber(std::string text);

}  // namespace zelto::check
