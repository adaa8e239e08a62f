#include "link/frame_trace.h"
#include "link/memo_trace.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

using testing::MemoReporter;
using Lines = std::vector<std::string>;

// Whole frames and empty reads are traced from a link below; a cut reply shows what came.
TEST(FrameTraceLine, ShowsTheCountThenEveryByteWithATrailingBlank) {
  const std::uint8_t cut[] = {0xCA, 0x53, 0x10, 0x27, 0xFF};
  EXPECT_EQ(FrameTraceLine(cut, LinkTrace::Direction::kIncoming), "Ялп->PC  05 ca 53 10 27 ff ");
}

TEST(TraceRing, FlushesInSlotOrderAfterAWrapAround) {
  TraceRing ring;
  for (int event = 1; event <= 35; ++event)
    ring.Add(20, static_cast<std::uint8_t>(event), 0, 0);
  MemoReporter memo;
  ring.FlushTraceRing(memo);
  // Events 33..35 overwrote slots 0..2; the flush shows them before the older 4..32.
  ASSERT_EQ(memo.memo.size(), 32u);
  EXPECT_EQ(memo.memo[0], "20  21  00  Com 0:");  // event 33
  EXPECT_EQ(memo.memo[2], "20  23  00  Com 0:");  // event 35
  EXPECT_EQ(memo.memo[3], "20  04  00  Com 0:");
  EXPECT_EQ(memo.memo[31], "20  20  00  Com 0:");  // event 32

  // Flushed slots are empty; the next event goes on after the last one written.
  memo.memo.clear();
  ring.FlushTraceRing(memo);
  EXPECT_TRUE(memo.memo.empty());
  ring.Add(22, 0, 255, 255);
  ring.FlushTraceRing(memo);
  EXPECT_EQ(memo.memo, (Lines{"22  00  ff  Com255:"}));
}

// A link whose simulator is COM3, with the trace of the window's service panel attached.
class TracedLink : public ::testing::Test {
 protected:
  TracedLink() : link_(reporter_, view_, testing::kTestTimeouts) {
    link_.Ports().Update({{"/dev/ttyS0", ""}, {"/dev/ttyS1", ""}});
    port_ = link_.Ports().Add(sim_.Path(), "simulator");
    link_.SetTrace(&trace_);
  }

  sim::Simulator sim_{2};
  testing::MemoReporter reporter_;
  NoConnectionView view_;
  Link link_;
  TraceFlags flags_;
  MemoReporter memo_;
  MemoTrace trace_{flags_, memo_};
  int port_ = 0;
};

TEST_F(TracedLink, KeepsPortEventsOnlyWhileTheirSwitchIsOnAndShowsThemWhenFlushed) {
  ASSERT_EQ(port_, 3);
  link_.SelectPort(port_);
  link_.SelectPort(port_);
  link_.FlushTraceRing();
  EXPECT_TRUE(memo_.memo.empty());

  flags_.Set(fComtoBuf, true);
  link_.SelectPort(port_);  // opens it
  link_.SelectPort(port_);  // releases it
  EXPECT_TRUE(memo_.memo.empty());
  link_.FlushTraceRing();
  EXPECT_EQ(memo_.memo, (Lines{"20  00  03  Com 0:", "22  00  03  Com 3:", "20  83  03  Com 3:",
                               "21  00  03  Com 0:"}));
}

TEST_F(TracedLink, ShowsEveryFrameOnlyWhileItsSwitchIsOn) {
  link_.SelectPort(port_);
  ASSERT_EQ(link_.Identify(2), IdentifyOutcome::kMatched);
  EXPECT_TRUE(memo_.memo.empty());

  flags_.Set(fSendToMemo, true);
  ASSERT_EQ(link_.Identify(2), IdentifyOutcome::kMatched);
  EXPECT_EQ(memo_.memo, (Lines{"PC->Ялп  0c ca 35 00 00 00 00 00 00 00 00 02 ff ",
                               "Ялп->PC  0c ca 53 00 00 00 00 00 00 00 03 02 de "}));

  // A silent device: the read and its re-read each leave an empty line.
  memo_.memo.clear();
  sim_.SetFault(sim::Fault::SilentFrom(1));
  EXPECT_FALSE(link_.Request(16, Payload{}, CmdWriteWord));
  EXPECT_EQ(memo_.memo, (Lines{"PC->Ялп  0c ca 35 10 00 00 00 00 00 00 00 00 f1 ", "Ялп->PC  00 ",
                               "Ялп->PC  00 "}));
}

}  // namespace
}  // namespace zelto
