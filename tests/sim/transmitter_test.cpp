#include "sim/transmitter.h"

#include "sim_request.h"

#include <bit>
#include <gtest/gtest.h>
#include <numeric>

namespace zelto::sim {
namespace {

using testing::Request;

std::uint32_t Data(const Frame& reply) {
  return reply[4] | reply[5] << 8 | reply[6] << 16 | static_cast<std::uint32_t>(reply[7]) << 24;
}

std::uint32_t ReadWord(Transmitter& device, std::uint16_t address) {
  return Data(device.Answer(Request(address, 0, kReadWord)).value());
}

TEST(Transmitter, IgnoresWritesOutsideTheWordsAndToTheFirmware) {
  Transmitter device(1);
  const MemoryImage before = device.Memory();
  for (const std::uint16_t address : {512, 2, 0xFFFF, 104, 112}) {
    EXPECT_TRUE(device.Answer(Request(address, 0xFFFFFFFF, kWriteWord))) << address;
  }
  EXPECT_EQ(device.Memory(), before);
  EXPECT_EQ(ReadWord(device, 512), 0u);
}

TEST(Transmitter, LoadedMemoryKeepsTheFirmwareWords) {
  Transmitter device(2);
  MemoryImage image{};
  image.fill(0x5A);
  device.LoadMemory(image);
  EXPECT_EQ(ReadWord(device, 0), 0x5A5A5A5Au);
  Transmitter fresh(2);
  EXPECT_EQ(ReadWord(device, 104), ReadWord(fresh, 104));
  EXPECT_EQ(ReadWord(device, 112), ReadWord(fresh, 112));
}

TEST(Transmitter, EveryReplyCarriesANonzeroByteNine) {
  Transmitter device(0);
  for (const Command command : {kWriteWord, kReadWord, kReadRam}) {
    for (const std::uint16_t address : {0, 16, 0x309, 0x50D, 0x7777}) {
      const auto reply = device.Answer(Request(address, 0, command));
      ASSERT_TRUE(reply);
      EXPECT_NE((*reply)[9], 0);
    }
  }
}

TEST(Transmitter, AHeldMonitorValueStaysUntilReleased) {
  Transmitter device(2);
  const auto monitor = [&](int index) {
    return static_cast<std::int32_t>(Data(
        device.Answer(Request(static_cast<std::uint16_t>(0x500 + index), 0, kReadRam)).value()));
  };
  device.SetMonitorValue(13, -1);
  device.SetMonitorValue(3, 123456);
  device.SetMonitorValue(14, 7);  // past the monitor: nothing
  EXPECT_EQ(monitor(13), -1);
  EXPECT_EQ(monitor(3), 123456);
  EXPECT_EQ(monitor(14), 0);
  device.SetMonitorValue(3, std::nullopt);
  EXPECT_NE(monitor(3), 123456);
  EXPECT_EQ(monitor(13), -1);
}

// The three actions it knows are acknowledged through the link in the request tests.
TEST(Transmitter, IgnoresBrokenRequestsAndUnknownActions) {
  Transmitter device(2);
  Frame request = Request(0, 0, kReadRam);
  request[11] ^= 1;
  EXPECT_FALSE(device.Answer(request));
  EXPECT_FALSE(device.Answer(Request(0, 0, static_cast<Command>(7))));
  EXPECT_FALSE(device.Answer(Request(0, 0x23, kAction)));
  Frame reply = Request(0, 0, kReadRam);
  reply[1] = kReplyTag;  // its own reply echoed back is no request
  Seal(reply);
  EXPECT_FALSE(device.Answer(reply));
}

}  // namespace
}  // namespace zelto::sim
