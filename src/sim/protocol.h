#pragma once

#include <array>
#include <cstdint>

// The line protocol as the transmitter sees it: it answers twelve-byte requests with
// twelve-byte replies.
namespace zelto::sim {

inline constexpr int kFrameSize = 12;
using Frame = std::array<std::uint8_t, kFrameSize>;

inline constexpr std::uint8_t kHeader = 0xCA;
inline constexpr std::uint8_t kRequestTag = 0x35;
inline constexpr std::uint8_t kReplyTag = 0x53;

inline constexpr int kDataOffset = 4;
inline constexpr int kTypeOffset = 9;
inline constexpr int kCommandOffset = 10;

enum Command : std::uint8_t { kWriteWord = 0, kReadWord = 1, kReadRam = 2, kAction = 3 };

// Makes the 8-bit sum of the whole frame 0.
void Seal(Frame& frame);
bool SumsToZero(const Frame& frame);

inline std::uint16_t AddressOf(const Frame& frame) {
  return static_cast<std::uint16_t>(frame[2] | frame[3] << 8);
}

}  // namespace zelto::sim
