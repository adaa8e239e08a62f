#include "link/frame.h"

#include <bit>

namespace zelto {

std::uint8_t Checksum(std::span<const std::uint8_t> bytes) {
  std::uint8_t sum = 0;
  for (const std::uint8_t byte : bytes)
    sum = static_cast<std::uint8_t>(sum + byte);
  return static_cast<std::uint8_t>(-sum);
}

void SealFrame(std::span<std::uint8_t> frame) {
  if (frame.empty())
    return;
  std::uint8_t& last = frame.back();
  last = static_cast<std::uint8_t>(last + Checksum(frame.first(frame.size() - 1)));
}

Frame BuildRequest(std::uint16_t address, Payload payload, Command command) {
  Frame frame{};
  frame[0] = kFrameHeader;
  frame[1] = kRequestTag;
  frame[kAddressOffset] = static_cast<std::uint8_t>(address & 0xFF);
  frame[kAddressOffset + 1] = static_cast<std::uint8_t>(address >> 8);
  for (std::size_t i = 0; i < payload.size(); ++i)
    frame[kDataOffset + i] = payload[i];
  frame[kCommandOffset] = command;
  return frame;
}

Payload PayloadFromWord(std::uint32_t word) {
  return {static_cast<std::uint8_t>(word), static_cast<std::uint8_t>(word >> 8),
          static_cast<std::uint8_t>(word >> 16), static_cast<std::uint8_t>(word >> 24)};
}

Payload PayloadFromFloat(float value) {
  return PayloadFromWord(std::bit_cast<std::uint32_t>(value));
}

std::int32_t ReplyValue(std::span<const std::uint8_t, kFrameSize> reply) {
  const std::uint32_t word = static_cast<std::uint32_t>(reply[kDataOffset]) |
                             static_cast<std::uint32_t>(reply[kDataOffset + 1]) << 8 |
                             static_cast<std::uint32_t>(reply[kDataOffset + 2]) << 16 |
                             static_cast<std::uint32_t>(reply[kDataOffset + 3]) << 24;
  return static_cast<std::int32_t>(word);
}

}  // namespace zelto
