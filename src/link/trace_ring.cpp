#include "link/trace_ring.h"

#include "link/frame_trace.h"

#include <cstdio>

namespace zelto {

void TraceRing::Add(int tag, std::uint8_t linkFlags, std::uint8_t requested, std::uint8_t current) {
  if (writeIndex_ >= kSlots)
    writeIndex_ = 0;
  auto& slot = slots_[static_cast<std::size_t>(writeIndex_)];
  std::snprintf(slot.data(), slot.size(), "%s",
                TraceEventLine(tag, linkFlags, requested, current).c_str());
  ++writeIndex_;
}

void TraceRing::FlushTraceRing(Reporter& reporter) {
  for (auto& slot : slots_) {
    if (slot[0] == '\0')
      continue;
    reporter.AddMemoLine(slot.data());
    slot[0] = '\0';
  }
}

}  // namespace zelto
