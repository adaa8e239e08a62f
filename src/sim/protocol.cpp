#include "sim/protocol.h"

namespace zelto::sim {

void Seal(Frame& frame) {
  std::uint8_t sum = 0;
  for (int i = 0; i < kFrameSize - 1; ++i)
    sum = static_cast<std::uint8_t>(sum + frame[i]);
  frame[kFrameSize - 1] = static_cast<std::uint8_t>(-sum);
}

bool SumsToZero(const Frame& frame) {
  std::uint8_t sum = 0;
  for (const std::uint8_t byte : frame)
    sum = static_cast<std::uint8_t>(sum + byte);
  return sum == 0;
}

}  // namespace zelto::sim
