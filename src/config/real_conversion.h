#pragma once

#include <cstdint>
#include <optional>

namespace zelto::config {

// Truncates toward zero, saturating at the int32 limits: typed values such as 1E20 reach the
// range fields, and an out-of-range conversion would be undefined. Nothing for NaN or infinity.
std::optional<int32_t> TruncateToInt32(double value);

// The nearest float, or nothing when the value is not finite or beyond the float range.
std::optional<float> NarrowToFloat(double value);

}  // namespace zelto::config
