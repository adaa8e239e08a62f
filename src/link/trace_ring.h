#pragma once

#include "link/reporter.h"

#include <array>
#include <cstdint>

namespace zelto {

// The last port-selection events, kept until the port button's handler shows them: 32 slots
// of one short line each. A new event takes the slot after the previous one, wrapping to slot
// 0; the flush shows the slots in slot order, so after a wrap-around the newest events come
// first.
class TraceRing {
 public:
  static constexpr int kSlots = 32;
  static constexpr int kSlotBytes = 32;

  // Stores the event's line (TraceEventLine) in the next slot.
  void Add(int tag, std::uint8_t linkFlags, std::uint8_t requested, std::uint8_t current);
  // Appends every filled slot to the memo, in slot order, and empties it. The write position
  // stays where it is.
  void FlushTraceRing(Reporter& reporter);

 private:
  std::array<std::array<char, kSlotBytes>, kSlots> slots_{};  // a slot is empty while [0] is 0
  int writeIndex_ = 0;
};

}  // namespace zelto
