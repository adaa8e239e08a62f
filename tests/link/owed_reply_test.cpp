// A device that answers late while the service panel's test request runs: the test request
// leaves its reply unread, and no later exchange may take that reply for its own.
#include "link/frame_trace.h"
#include "link/memo_trace.h"
#include "link/memory_reads.h"
#include "link/monitor.h"
#include "link/service_requests.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

using sim::Fault;
using testing::DeviceBench;
using testing::WordAt;

constexpr int kVelmor = 2;
// Late enough that a reply comes after the next request has gone out, and well inside the test
// time-outs.
constexpr std::chrono::milliseconds kLate{5};

// Every word of the memory different from its neighbours and from a test reply's 0.
sim::MemoryImage Numbered() {
  sim::MemoryImage image{};
  for (int address = 0; address < sim::kMemorySize; address += 4)
    testing::PutWord(image, address, 0x01000000u + static_cast<std::uint32_t>(address));
  return image;
}

Frame SealedRequest(std::uint16_t address, Command command) {
  Frame request = BuildRequest(address, Payload{}, command);
  SealFrame(request);
  return request;
}

class LateDevice : public ::testing::Test {
 protected:
  LateDevice() : bench(kVelmor) {
    bench.sim.LoadMemory(Numbered());
    bench.sim.SetFault(Fault::Late(kLate));
  }

  DeviceBench bench;
  testing::MemoReporter memo;
};

TEST_F(LateDevice, AMemoryReadAfterTheTestRequestPutsEveryWordAtItsAddress) {
  TestRequest(bench.link);
  EXPECT_EQ(bench.counts->reads, 0);  // the tick neither reads nor waits
  EEImage image{};
  ASSERT_EQ(ReadEEImage(bench.link, image, memo), ServiceOutcome::kDone);
  const sim::MemoryImage device = bench.sim.Memory();
  EXPECT_TRUE(std::equal(image.begin(), image.end(), device.begin())) << memo.memo.at(1);
  // The test reply read once and dropped; a reply that was read is owed no more.
  EXPECT_EQ(bench.counts->reads, 1 + kEEImageSize / 4);
}

TEST_F(LateDevice, MonitorSlotsAndWordsReadAfterTestRequestsHoldTheirOwnValues) {
  TestRequest(bench.link);
  MonitorValues values{};
  ASSERT_EQ(PollMonitor(bench.link, values, MonitorSet::kFull, TraceFlags{}, memo),
            ServiceOutcome::kDone);
  EXPECT_EQ(testing::SlotsOutOfBand(values), std::vector<int>{});

  // Several ticks in a row owe as many replies; the calibration and summary reads that follow
  // each get their own word.
  for (int tick = 0; tick < 3; ++tick)
    TestRequest(bench.link);
  const sim::MemoryImage device = bench.sim.Memory();
  Frame reply{};
  for (const int address : {32, 36, 64, 104}) {
    ASSERT_TRUE(bench.link.Query(static_cast<std::uint16_t>(address), reply, CmdReadWord));
    EXPECT_EQ(static_cast<std::uint32_t>(ReplyValue(reply)), WordAt(device, address)) << address;
  }
}

TEST_F(LateDevice, TheKeepAliveCheckAfterATestRequestStillFindsTheDevice) {
  // The test reply is already on the line when the check purges it: the check's own reply must
  // not then be dropped in its place.
  TestRequest(bench.link);
  ASSERT_TRUE(bench.sim.WaitForReplies(1, std::chrono::seconds(2)));
  EXPECT_TRUE(bench.link.CheckDevice(kVelmor));
  EXPECT_TRUE(bench.reporter.statuses.empty());
}

TEST_F(LateDevice, TheTraceShowsNoDroppedReply) {
  TraceFlags flags;
  flags.Set(fSendToMemo, true);
  testing::MemoReporter traced;
  MemoTrace trace(flags, traced);
  bench.link.SetTrace(&trace);
  TestRequest(bench.link);
  Frame reply{};
  ASSERT_TRUE(bench.link.Query(40, reply, CmdReadWord));
  EXPECT_EQ(static_cast<std::uint32_t>(ReplyValue(reply)), WordAt(bench.sim.Memory(), 40));
  constexpr auto kOut = LinkTrace::Direction::kOutgoing;
  EXPECT_EQ(traced.memo,
            (std::vector<std::string>{FrameTraceLine(SealedRequest(0, CmdReadRam), kOut),
                                      FrameTraceLine(SealedRequest(40, CmdReadWord), kOut),
                                      FrameTraceLine(reply, LinkTrace::Direction::kIncoming)}));
}

TEST(SilentDevice, OwedRepliesAreWaitedForOnlyUntilTheLinksOwnDeadline) {
  constexpr LinkTimeouts kShort{20, 5, 100};
  DeviceBench bench(kVelmor, kShort);
  bench.sim.SetFault(Fault::SilentFrom(1));
  for (int tick = 0; tick < 3; ++tick)
    TestRequest(bench.link);
  EXPECT_EQ(bench.counts->reads, 0);
  Frame reply{};
  EXPECT_FALSE(bench.link.Query(32, reply, CmdReadWord));
  // The owed replies dropped (those already past their deadline by then cost no read), then
  // the query's own read and its re-read.
  const auto& given = bench.counts->readTimeouts;
  ASSERT_GE(given.size(), 1u + 2);
  const int frameTimeoutMs = kShort.TotalMs(kFrameSize);
  for (std::size_t i = 0; i + 2 < given.size(); ++i)
    EXPECT_LE(given[i].TotalMs(kFrameSize), frameTimeoutMs) << i;
}

}  // namespace
}  // namespace zelto
