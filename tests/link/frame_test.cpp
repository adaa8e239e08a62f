#include "link/frame.h"

#include "link_test_support.h"

#include <gtest/gtest.h>
#include <numeric>

namespace zelto {
namespace {

using testing::Bytes;

Frame Sealed(Frame frame) {
  SealFrame(frame);
  return frame;
}

TEST(Frame, RequestsMatchTheKnownBytes) {
  EXPECT_EQ(Bytes(Sealed(BuildRequest(0, {}, CmdReadRam))),
            Bytes({0xCA, 0x35, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0xFF}));
  EXPECT_EQ(Bytes(Sealed(BuildRequest(0x54, PayloadFromFloat(1.0f), CmdWriteWord))),
            Bytes({0xCA, 0x35, 0x54, 0, 0, 0, 0x80, 0x3F, 0, 0, 0, 0xEE}));
  EXPECT_EQ(Bytes(Sealed(BuildRequest(0, {ActWriteDone, 0, 0, 0}, CmdAction))),
            Bytes({0xCA, 0x35, 0, 0, 0x20, 0, 0, 0, 0, 0, 0x03, 0xDE}));
  EXPECT_EQ(Bytes(Sealed(BuildRequest(0x1234, PayloadFromWord(0x11223344), CmdWriteWord))),
            Bytes({0xCA, 0x35, 0x34, 0x12, 0x44, 0x33, 0x22, 0x11, 0, 0, 0, 0x11}));
}

TEST(Frame, EverySealedFrameSumsToZero) {
  for (const std::uint16_t address : {0, 4, 0x1FC, 0x309, 0x50D, 0xFFFF}) {
    const Frame frame = Sealed(BuildRequest(address, PayloadFromWord(0xDEADBEEF), CmdReadWord));
    EXPECT_EQ(std::accumulate(frame.begin(), frame.end(), 0) % 256, 0) << address;
  }
  // Bytes 0..10 already a multiple of 256: CA + 35 + 01 = 0x100.
  const Frame even = Sealed(BuildRequest(0x0001, {}, CmdWriteWord));
  EXPECT_EQ(even[kChecksumOffset], 0x00);
}

}  // namespace
}  // namespace zelto
