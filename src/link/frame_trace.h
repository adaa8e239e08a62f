#pragma once

#include "link/link_trace.h"

#include <cstdint>
#include <span>
#include <string>

namespace zelto {

// "PC->Ялп  0c ca 35 ... ff " for a frame sent, "Ялп->PC  00 " for a read that got nothing:
// the count, then every byte, each in two hex digits and a blank.
std::string FrameTraceLine(std::span<const std::uint8_t> bytes, LinkTrace::Direction direction);

// "22  00  03  Com 3:": a port-selection step as the trace ring keeps it.
std::string TraceEventLine(int tag, std::uint8_t linkFlags, std::uint8_t requested,
                           std::uint8_t current);

}  // namespace zelto
