#include "link/frame_trace.h"

#include "link/frame.h"

#include <array>
#include <cstdio>

namespace zelto {
namespace {

// Nine characters each; the link name is Cyrillic, so more bytes in UTF-8.
constexpr const char* kOutgoingPrefix = "PC->Ялп  ";
constexpr const char* kIncomingPrefix = "Ялп->PC  ";

}  // namespace

std::string FrameTraceLine(std::span<const std::uint8_t> bytes, LinkTrace::Direction direction) {
  // Prefix, count and twelve bytes fit with room to spare; a longer transfer shows its first
  // twelve bytes after its true count.
  std::array<char, 64> line{};
  const std::size_t shown = bytes.size() < kFrameSize ? bytes.size() : kFrameSize;
  int used = std::snprintf(
      line.data(), line.size(), "%s%02x ",
      direction == LinkTrace::Direction::kOutgoing ? kOutgoingPrefix : kIncomingPrefix,
      static_cast<unsigned int>(bytes.size()));
  for (std::size_t i = 0; i < shown && used > 0 && used < static_cast<int>(line.size()); ++i) {
    used += std::snprintf(line.data() + used, line.size() - static_cast<std::size_t>(used), "%02x ",
                          static_cast<unsigned int>(bytes[i]));
  }
  return line.data();
}

std::string TraceEventLine(int tag, std::uint8_t linkFlags, std::uint8_t requested,
                           std::uint8_t current) {
  std::array<char, 32> line{};
  std::snprintf(line.data(), line.size(), "%02d  %02x  %02x  Com%2d:", tag,
                static_cast<unsigned int>(linkFlags), static_cast<unsigned int>(requested),
                static_cast<unsigned int>(current));
  return line.data();
}

}  // namespace zelto
