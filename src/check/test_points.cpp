#include "check/test_points.h"

#include "text/plain_number.h"

namespace zelto::check {
namespace {

constexpr double kLowestPercent = 0.0;
constexpr double kHighestPercent = 100.0;

}  // namespace

std::vector<double> DefaultPoints() {
  return {0.0, 25.0, 50.0, 75.0, 100.0};
}

std::optional<Refusal> RefusePoints(std::span<const double> percents) {
  if (percents.size() < kFewestPoints || percents.size() > kMostPoints)
    return Refusal::kPointsCount;
  for (std::size_t i = 0; i < percents.size(); ++i) {
    if (!(percents[i] >= kLowestPercent && percents[i] <= kHighestPercent))
      return Refusal::kPointsOutsideRange;
    if (i > 0 && !(percents[i] > percents[i - 1]))
      return Refusal::kPointsNotAscending;
  }
  return std::nullopt;
}

std::variant<std::vector<double>, Refusal> ParsePoints(std::string_view text) {
  std::vector<double> percents;
  for (;;) {
    const auto comma = text.find(',');
    const auto number = text::FiniteNumber(text::Trimmed(text.substr(0, comma)));
    if (!number)
      return Refusal::kPointsNotNumbers;
    percents.push_back(*number);
    // More than the most a check takes is refused as soon as it shows, whatever follows.
    if (percents.size() > kMostPoints)
      return Refusal::kPointsCount;
    if (comma == std::string_view::npos)
      break;
    text.remove_prefix(comma + 1);
  }
  if (const auto refusal = RefusePoints(percents))
    return *refusal;
  return percents;
}

}  // namespace zelto::check
