#include "link/memo_trace.h"

#include "link/frame_trace.h"

namespace zelto {

void MemoTrace::TraceFrame(std::span<const std::uint8_t> bytes, Direction direction) {
  if (flags_.Has(fSendToMemo))
    memo_.AddMemoLine(FrameTraceLine(bytes, direction));
}

void MemoTrace::TraceEvent(int tag, std::uint8_t linkFlags, std::uint8_t requested,
                           std::uint8_t current) {
  if (flags_.Has(fComtoBuf))
    ring_.Add(tag, linkFlags, requested, current);
}

}  // namespace zelto
