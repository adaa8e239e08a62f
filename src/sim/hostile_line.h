#pragma once

#include "sim/protocol.h"

#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

namespace zelto::sim {

// Bytes that go out on the line after a pause.
struct ReplyPiece {
  std::chrono::milliseconds pause{0};
  std::vector<std::uint8_t> bytes;
};

// What a line in bad shape makes of one reply, drawn from `random`: most replies go out
// whole; the others come late, cut (with or without their rest after a pause), behind noise,
// with a wrong header, checksum or type code, with noise after them, or not at all. Pauses are
// whole multiples of `unit`, up to eight of them. The same generator state gives the same pieces,
// so a failure reproduces from its seed.
std::vector<ReplyPiece> HostileReply(const Frame& reply, std::mt19937& random,
                                     std::chrono::milliseconds unit);

}  // namespace zelto::sim
