#include "link_test_support.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

using sim::Fault;
using testing::SimulatedLink;

class Requests : public ::testing::Test {
 protected:
  Requests() { bench.OpenSim(); }

  // One request whose reply is read with ReadReply; returns its result.
  bool ReadWordReply(std::uint16_t address = 16) {
    bench.link.SendRequest(address, {}, CmdReadWord);
    return bench.link.ReadReply();
  }

  SimulatedLink bench;
};

// The figures each read is given are checked with the link's own time-outs.
TEST_F(Requests, SilenceCostsExactlyTwoReads) {
  bench.sim.SetFault(Fault::SilentFrom(1));
  EXPECT_FALSE(ReadWordReply());
  EXPECT_EQ(bench.counts->readResults, (std::vector<int>{0, 0}));
  EXPECT_EQ(bench.link.ReadReplyValue(), -1);
  // A silent device is no device gone: the port stays.
  EXPECT_TRUE(bench.link.IsPortOpen());
  EXPECT_FALSE(bench.link.PortWentAway());
}

// A reply is read once more only when the first read ends before its type byte, and is taken
// only when the second read brings the whole frame. The byte checked shows what the buffer
// holds: what came, and zero where nothing came, never the last reply's bytes.
TEST_F(Requests, AReplyIsReadAgainOnlyWhenItEndsBeforeItsTypeByte) {
  struct Row {
    const char* what;
    Fault fault;
    std::vector<int> reads;
    bool taken;
    int byte;
    int value;
  };
  const Row rows[] = {
      {"whole", Fault::None(), {12}, true, 9, 3},
      {"twelve bytes without type", Fault::ZeroType(), {12, 0}, false, 0, 0xCA},
      {"the same, then the whole frame", Fault::ZeroTypeThenFull(), {12, 12}, true, 9, 3},
      {"five bytes alone", Fault::CutShort(5), {5, 0}, false, 11, 0},
      {"ten bytes, up to the type", Fault::CutShort(10), {10}, true, 10, 0},
  };
  for (const Row& row : rows) {
    bench.sim.SetFault(row.fault);
    bench.Forget();
    EXPECT_EQ(ReadWordReply(), row.taken) << row.what;
    EXPECT_EQ(bench.counts->readResults, row.reads) << row.what;
    EXPECT_EQ(bench.link.ReplyBuffer()[row.byte], row.value) << row.what;
  }
}

TEST_F(Requests, ReplyValuesAreSignedLittleEndianWords) {
  bench.link.Request(16, PayloadFromWord(10000), CmdWriteWord);
  bench.link.SendRequest(16, {}, CmdReadWord);
  EXPECT_EQ(bench.link.ReadReplyValue(), 10000);

  bench.link.Request(16, PayloadFromWord(0xFFFFFFFF), CmdWriteWord);
  bench.link.SendRequest(16, {}, CmdReadWord);
  EXPECT_EQ(bench.link.ReadReplyValue(), -1);  // the same as no answer
}

// A word write reads its own reply and says whether it came; other requests leave it to the
// caller.
TEST_F(Requests, OnlyWordWritesReadTheirReplyInsideRequest) {
  EXPECT_TRUE(bench.link.Request(0x54, PayloadFromFloat(1.0f), CmdWriteWord));
  EXPECT_EQ(bench.counts->reads, 1);
  bench.link.Request(0, {}, CmdReadRam);
  EXPECT_EQ(bench.counts->reads, 1);
  EXPECT_TRUE(bench.link.ReadReply());
  bench.sim.SetFault(Fault::SilentFrom(1));
  EXPECT_FALSE(bench.link.Request(16, PayloadFromWord(8), CmdWriteWord));
  EXPECT_EQ(bench.counts->reads, 4);  // the silent write with its re-read
}

TEST_F(Requests, QueryFillsTheCallersBuffer) {
  bench.link.Request(0x7C, {1, 2, 3, 0xAB}, CmdWriteWord);
  Frame reply{};
  EXPECT_TRUE(bench.link.Query(0x309, reply, CmdReadRam));  // mirrors memory byte 0x7F
  EXPECT_EQ(reply[4], 0xAB);
}

TEST_F(Requests, ActionsAreAcknowledged) {
  for (const auto action : {ActWriteDone, ActConfigDone, ActCalibrDone})
    EXPECT_TRUE(bench.link.DoAction(action)) << int{action};
  bench.sim.SetFault(Fault::SilentFrom(1));
  EXPECT_FALSE(bench.link.DoAction(ActConfigDone));
}

TEST_F(Requests, ProgressOfEightyRequestsEndsAt96) {
  bench.link.SetProgressSteps(80);
  bench.link.ResetProgress();
  for (int i = 0; i < 80; ++i)
    bench.link.Request(0x500, {}, CmdReadRam);
  ASSERT_EQ(bench.reporter.progress.size(), 80u);
  EXPECT_EQ(bench.reporter.progress.front(), 1);
  EXPECT_EQ(bench.reporter.progress.back(), 96);
}

TEST_F(Requests, ProgressOfTwoRequestsGoesTo100AndStays) {
  bench.link.SetProgressSteps(2);
  bench.link.ResetProgress();
  for (int i = 0; i < 3; ++i)
    bench.link.Request(0x500, {}, CmdReadRam);
  EXPECT_EQ(bench.reporter.progress, (std::vector<int>{50, 100}));

  bench.link.SetProgressSteps(0);
  bench.link.ResetProgress();
  bench.link.Request(0x500, {}, CmdReadRam);
  EXPECT_EQ(bench.reporter.progress.size(), 2u);
}

TEST(RequestsWithoutPort, FailAtOnce) {
  SimulatedLink bench;
  EXPECT_EQ(bench.link.SendRequest(0, {}, CmdReadRam), 0);
  EXPECT_FALSE(bench.link.ReadReply());
  EXPECT_EQ(bench.link.ReadReplyValue(), -1);
  EXPECT_EQ(bench.link.ConnectDevice(2), IdentifyOutcome::kPortClosed);
  EXPECT_TRUE(bench.reporter.statuses.empty());
  EXPECT_TRUE(bench.sim.Requests().empty());
}

}  // namespace
}  // namespace zelto
