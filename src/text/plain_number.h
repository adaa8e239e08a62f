#pragma once

#include <optional>
#include <string_view>

namespace zelto::text {

// The text without the blanks (spaces, tabs, line ends) around it.
std::string_view Trimmed(std::string_view text);

// The whole text as a finite number written with a decimal point ("-1.5", "+2e-3", "40"),
// whatever the process locale says; nothing for any other text, "inf" and "nan" included.
std::optional<double> FiniteNumber(std::string_view text);

}  // namespace zelto::text
