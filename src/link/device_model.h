#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zelto {

// Device models by their position in the device list; a transmitter identifies itself with
// the type code position + 1.
inline constexpr int kModelCount = 3;
inline constexpr int kVelmorModel = 2;

// The names the command lines take for a model besides its position; none for position 0.
inline constexpr std::array<std::string_view, kModelCount> kModelNames{"", "dastra-2", "velmor-7"};

// "0", "1", "2", or the names "dastra-2" (1) and "velmor-7" (2).
std::optional<int> ModelFromText(std::string_view text);

}  // namespace zelto
