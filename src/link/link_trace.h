#pragma once

#include <cstdint>
#include <span>

namespace zelto {

// Where the link shows its traffic to a service engineer: the frames on the wire and the
// port-selection events. Off until a trace is attached; then it decides what it keeps.
class LinkTrace {
 public:
  enum class Direction { kOutgoing, kIncoming };

  virtual ~LinkTrace() = default;

  // Every transfer: the frame's first count bytes.
  virtual void TraceFrame(std::span<const std::uint8_t> bytes, Direction direction) = 0;
  // A port-selection step (20 begins, 21 released the current port, 22 a new port is about to
  // open) with the flags and the requested and current port numbers.
  virtual void TraceEvent(int tag, std::uint8_t linkFlags, std::uint8_t requested,
                          std::uint8_t current) = 0;
  // Moves the kept events where the engineer reads them.
  virtual void FlushTraceRing() = 0;
};

// Port-selection tags of TraceEvent.
inline constexpr int kTraceSelectBegins = 20;
inline constexpr int kTraceSelectReleased = 21;
inline constexpr int kTraceSelectOpens = 22;

}  // namespace zelto
