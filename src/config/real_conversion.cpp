#include "config/real_conversion.h"

#include <cmath>
#include <limits>

namespace zelto::config {

std::optional<int32_t> TruncateToInt32(double value) {
  if (!std::isfinite(value))
    return std::nullopt;
  // Both limits are exact in double; anything between them truncates into range.
  constexpr double kUpper = 2147483648.0;
  constexpr double kLower = -2147483649.0;
  if (value >= kUpper)
    return std::numeric_limits<int32_t>::max();
  if (value <= kLower)
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

std::optional<float> NarrowToFloat(double value) {
  if (!std::isfinite(value))
    return std::nullopt;
  // Up to half a step above the largest float, the nearest float is still the largest one:
  // "3,40282346638529E+38", the largest float as a field shows it, reads back as itself.
  constexpr double kLargest = std::numeric_limits<float>::max();
  constexpr double kRoundsToInfinity = kLargest + 0x1p103;
  const double magnitude = std::fabs(value);
  if (magnitude >= kRoundsToInfinity)
    return std::nullopt;
  if (magnitude > kLargest)
    return std::copysign(std::numeric_limits<float>::max(), static_cast<float>(value));
  return static_cast<float>(value);
}

}  // namespace zelto::config
