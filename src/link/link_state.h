#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zelto {

// Bits of LinkFlags. The whole byte appears in the exchange trace, so the positions are fixed;
// the low nibble holds the low four bits of the open port's number.
enum LinkFlag : std::uint8_t {
  fPortOpen = 0x80,
  fWriting = 0x40,  // a write sequence runs; the keep-alive check waits for its end
  fDevConnected = 0x10,
};

// Bit 5 is never set, only cleared together with fDevConnected.
inline constexpr std::uint8_t kDeviceBits = 0x30;
inline constexpr std::uint8_t kPortNumberBits = 0x0F;

inline constexpr std::array<int, 4> BaudTable{2400, 4800, 9600, 19200};
inline constexpr std::uint8_t kDefaultSpeedIndex = 1;  // 4800 baud

// The state of the one serial link the program has.
struct LinkState {
  std::uint8_t PortNo = 0;  // the port last asked to open; 0 = none
  std::uint8_t LinkFlags = 0;
  std::uint8_t SpeedIndex = kDefaultSpeedIndex;
};

// The BaudTable index of a rate, if the table has it.
std::optional<std::uint8_t> SpeedIndexForBaud(int baud);

}  // namespace zelto
