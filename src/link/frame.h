#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace zelto {

// Requests and replies are both twelve bytes: header, tag, address, four payload bytes,
// two reserved bytes, command, checksum.
inline constexpr int kFrameSize = 12;
using Frame = std::array<std::uint8_t, kFrameSize>;
using Payload = std::array<std::uint8_t, 4>;

inline constexpr std::uint8_t kFrameHeader = 0xCA;
inline constexpr std::uint8_t kRequestTag = 0x35;  // "5"
inline constexpr std::uint8_t kReplyTag = 0x53;    // "S"

// Frame offsets.
inline constexpr int kAddressOffset = 2;
inline constexpr int kDataOffset = 4;
inline constexpr int kDevTypeOffset = 9;  // nonzero in every complete reply
inline constexpr int kCommandOffset = 10;
inline constexpr int kChecksumOffset = 11;

enum Command : std::uint8_t {
  CmdWriteWord = 0,  // configuration memory word at a byte address 0..508
  CmdReadWord = 1,
  CmdReadRam = 2,  // working memory, a second address space
  CmdAction = 3,   // payload byte 0 carries an action code
};

enum ActionCode : std::uint8_t {
  ActWriteDone = 0x20,
  ActConfigDone = 0x21,
  ActCalibrDone = 0x22,
};

// The two's complement of the 8-bit sum of the bytes: appended to them, the sum becomes 0.
std::uint8_t Checksum(std::span<const std::uint8_t> bytes);

// Adds the checksum of all bytes but the last onto the last byte.
void SealFrame(std::span<std::uint8_t> frame);

// A request with its checksum byte still 0; SealFrame completes it.
Frame BuildRequest(std::uint16_t address, Payload payload, Command command);

Payload PayloadFromWord(std::uint32_t word);
Payload PayloadFromFloat(float value);

// The data field of a reply, little-endian.
std::int32_t ReplyValue(std::span<const std::uint8_t, kFrameSize> reply);

}  // namespace zelto
