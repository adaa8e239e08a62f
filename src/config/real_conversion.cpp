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
  if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
    return std::nullopt;
  }
  return static_cast<float>(value);
}

}  // namespace zelto::config
