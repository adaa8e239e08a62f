#pragma once

#include "link/link_trace.h"
#include "link/reporter.h"
#include "link/trace_flags.h"
#include "link/trace_ring.h"

namespace zelto {

// The exchange trace a service engineer switches on with the service panel's buttons: a memo
// line for every frame while fSendToMemo is on, port-selection events into the ring while
// fComtoBuf is on. It reads the switches at every call, so the buttons take effect at once.
class MemoTrace final : public LinkTrace {
 public:
  MemoTrace(const TraceFlags& flags, Reporter& memo) : flags_(flags), memo_(memo) {}

  void TraceFrame(std::span<const std::uint8_t> bytes, Direction direction) override;
  void TraceEvent(int tag, std::uint8_t linkFlags, std::uint8_t requested,
                  std::uint8_t current) override;
  // Not gated: with fComtoBuf off the ring simply stays empty.
  void FlushTraceRing() override { ring_.FlushTraceRing(memo_); }

 private:
  const TraceFlags& flags_;
  Reporter& memo_;
  TraceRing ring_;
};

}  // namespace zelto
