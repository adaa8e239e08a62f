#pragma once

#include <array>
#include <cstdint>

namespace zelto {

// The program's copy of the transmitter's 512-byte configuration memory, filled by the service
// reads and the correction read-back, and saved to a file as it stands.
inline constexpr int kEEImageSize = 512;
using EEImage = std::array<std::uint8_t, kEEImageSize>;

}  // namespace zelto
