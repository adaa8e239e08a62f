#pragma once

#include "check/check_refusal.h"

#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace zelto::check {

// The points of a check in percent of the measuring range.
inline constexpr std::size_t kFewestPoints = 2;
inline constexpr std::size_t kMostPoints = 11;

std::vector<double> DefaultPoints();  // 0, 25, 50, 75, 100

// Nothing when the points will do: 2 to 11 of them, each 0..100, strictly ascending.
std::optional<Refusal> RefusePoints(std::span<const double> percents);

// "0,25,50" or "0, 12.5, 100": numbers with the decimal point, separated by commas.
std::variant<std::vector<double>, Refusal> ParsePoints(std::string_view text);

}  // namespace zelto::check
