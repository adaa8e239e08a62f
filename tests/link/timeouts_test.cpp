// The link's own figures: the time-outs the port is given, and when the gap between bytes
// starts to count.
#include "link_test_support.h"

#include <QCoreApplication>

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace zelto {
namespace {

using sim::Fault;
using testing::SimulatedLink;

TEST(LinkFigures, ReadsWait200MsBetweenBytesAnd200MsAByteAnd5000MsOnce) {
  SimulatedLink bench(2, LinkTimeouts{});  // as the window and the tool make one
  ASSERT_TRUE(bench.link.SelectPort(bench.simPort));
  ASSERT_EQ(bench.link.Identify(2), IdentifyOutcome::kMatched);  // answered: nothing waited
  ASSERT_EQ(bench.counts->readTimeouts.size(), 1u);
  const LinkTimeouts given = bench.counts->readTimeouts.front();
  EXPECT_EQ(given.gapMs, 200);
  EXPECT_EQ(given.perByteMs, 200);
  EXPECT_EQ(given.constantMs, 5000);
  EXPECT_EQ(given.TotalMs(12), 7400);
}

TEST(LinkFigures, AWriteOfAFrameEndsWithin260Ms) {
  EXPECT_EQ(WriteTimeoutMs(12), 260);
  EXPECT_EQ(WriteTimeoutMs(1), 40);
}

TEST(LinkFigures, TheGapCountsOnlyOnceTheFirstByteHasCome) {
  SimulatedLink bench;
  bench.OpenSim();
  // Silent for many gaps, but well within the total: one read takes the whole reply.
  bench.sim.SetFault(Fault::Late(testing::kReplyPause));
  ASSERT_GT(testing::kReplyPause.count(), 5 * testing::kTestTimeouts.gapMs);
  bench.link.SendRequest(16, {}, CmdReadWord);
  EXPECT_TRUE(bench.link.ReadReply());
  EXPECT_EQ(bench.counts->readResults, (std::vector<int>{12}));

  // The same pause after five bytes ends the read at the gap.
  bench.sim.SetFault(Fault::CutShortThenFull(5, testing::kReplyPause));
  bench.Forget();
  bench.link.SendRequest(16, {}, CmdReadWord);
  EXPECT_TRUE(bench.link.ReadReply());
  EXPECT_EQ(bench.counts->readResults, (std::vector<int>{5, 12}));
}

// A front end keeps its window painted from the hook while the port waits; the event loop it
// runs there may take the reply in. The reads end as they do without a hook.
TEST(LinkFigures, TheWaitHookRunsWhileTheLineIsQuietAndTheReadsEndAsWithoutIt) {
  SimulatedLink bench;
  bench.OpenSim();
  std::vector<std::chrono::milliseconds> waits;
  const auto exchange = [&](Fault fault, bool hooked) {
    bench.link.SetWaitHook(nullptr);
    if (hooked) {
      bench.link.SetWaitHook([&](std::chrono::milliseconds waited) {
        waits.push_back(waited);
        QCoreApplication::processEvents();
      });
    }
    bench.sim.SetFault(fault);
    bench.Forget();
    waits.clear();
    bench.link.SendRequest(16, {}, CmdReadWord);
    bench.link.ReadReply();
    return bench.counts->readResults;
  };
  for (const Fault& fault :
       {Fault::Late(testing::kReplyPause), Fault::CutShortThenFull(5, testing::kReplyPause),
        Fault::SilentFrom(1)}) {
    const std::vector<int> plain = exchange(fault, false);
    EXPECT_EQ(exchange(fault, true), plain);
    ASSERT_FALSE(waits.empty());
    EXPECT_LE(*std::max_element(waits.begin(), waits.end()),
              std::chrono::milliseconds(testing::kTestTimeouts.TotalMs(12)));
  }
  EXPECT_EQ(bench.counts->readResults.front(), 0);  // the silent device's
}

TEST(LinkTimeouts, ScaledStaysBetweenAMillisecondAndAnHour) {
  const LinkTimeouts half = LinkTimeouts{}.Scaled(0.5);
  EXPECT_EQ(half.gapMs, 100);
  EXPECT_EQ(half.perByteMs, 100);
  EXPECT_EQ(half.constantMs, 2500);

  // Where int arithmetic used to overflow, and where every figure rounded to 0.
  for (const double huge : {3e5, 1e12, std::numeric_limits<double>::infinity()}) {
    const LinkTimeouts scaled = LinkTimeouts{}.Scaled(huge);
    EXPECT_EQ(scaled.gapMs, LinkTimeouts::kLongestMs) << huge;
    EXPECT_EQ(scaled.constantMs, LinkTimeouts::kLongestMs) << huge;
    EXPECT_GT(scaled.TotalMs(12), scaled.constantMs) << huge;
  }
  for (const double tiny : {1e-4, 0.0, -2.0, std::numeric_limits<double>::quiet_NaN()}) {
    const LinkTimeouts scaled = LinkTimeouts{}.Scaled(tiny);
    EXPECT_EQ(scaled.gapMs, 1) << tiny;
    EXPECT_EQ(scaled.perByteMs, 1) << tiny;
    EXPECT_EQ(scaled.constantMs, 1) << tiny;
  }
  const LinkTimeouts longest{LinkTimeouts::kLongestMs, LinkTimeouts::kLongestMs,
                             LinkTimeouts::kLongestMs};
  EXPECT_EQ(longest.TotalMs(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace zelto
