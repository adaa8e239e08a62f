#pragma once

#include "sim/protocol.h"

#include <cstdint>

namespace zelto::sim::testing {

// A sealed request as the configurator sends it, the word little-endian.
inline Frame Request(std::uint16_t address, std::uint32_t word, Command command) {
  Frame frame{kHeader, kRequestTag};
  frame[2] = static_cast<std::uint8_t>(address);
  frame[3] = static_cast<std::uint8_t>(address >> 8);
  for (int i = 0; i < 4; ++i)
    frame[kDataOffset + i] = static_cast<std::uint8_t>(word >> (8 * i));
  frame[kCommandOffset] = command;
  Seal(frame);
  return frame;
}

}  // namespace zelto::sim::testing
