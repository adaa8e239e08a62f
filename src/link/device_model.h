#pragma once

#include <optional>
#include <string_view>

namespace zelto {

// Device models by their position in the device list; a transmitter identifies itself with
// the type code position + 1.
inline constexpr int kModelCount = 3;
inline constexpr int kVelmorModel = 2;

// "0", "1", "2", or the names "dastra-2" (1) and "velmor-7" (2).
std::optional<int> ModelFromText(std::string_view text);

}  // namespace zelto
