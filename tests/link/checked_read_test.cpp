// The checked read a backup trusts: a reply is taken only whole, with its header and a checksum
// that adds up, and asked for again up to three times.
#include "link/checked_reads.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

namespace zelto {
namespace {

using sim::Fault;
using testing::DeviceBench;

struct CheckedCase {
  std::string name;
  Fault fault;
  CheckedReadOutcome outcome;
  int requests;

  friend void PrintTo(const CheckedCase& c, std::ostream* out) { *out << c.name; }
};

class CheckedRead : public ::testing::TestWithParam<CheckedCase> {};

TEST_P(CheckedRead, TakesOnlyAReplyThatAddsUp) {
  const CheckedCase& c = GetParam();
  DeviceBench bench(1);
  sim::MemoryImage memory{};
  testing::PutWord(memory, 16, 0x04030201);
  bench.sim.LoadMemory(memory);
  bench.sim.SetFault(c.fault);
  const CheckedWord word = ReadWordChecked(bench.link, 16);
  EXPECT_EQ(word.outcome, c.outcome);
  EXPECT_EQ(word.bytes,
            c.outcome == CheckedReadOutcome::kClean ? (Payload{1, 2, 3, 4}) : Payload{});
  EXPECT_EQ(bench.sim.Requests().size(), static_cast<std::size_t>(c.requests));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, CheckedRead,
    ::testing::Values(
        CheckedCase{"Sound", Fault::None(), CheckedReadOutcome::kClean, 1},
        CheckedCase{"IncompleteThenWhole", Fault::ZeroTypeThenFull(), CheckedReadOutcome::kClean,
                    1},
        CheckedCase{"TwoBadSumsThenGood", Fault::BadChecksum(1, 2), CheckedReadOutcome::kClean, 3},
        CheckedCase{"EveryOneBadSum", Fault::BadChecksum(1), CheckedReadOutcome::kBadReply, 3},
        CheckedCase{"WrongHeader", Fault::WrongHeader(), CheckedReadOutcome::kBadReply, 3},
        CheckedCase{"CutShort", Fault::CutShort(10), CheckedReadOutcome::kBadReply, 3},
        // Silence is not asked again: it has cost the time-outs twice already.
        CheckedCase{"Silent", Fault::SilentFrom(1), CheckedReadOutcome::kNoAnswer, 1}),
    [](const auto& info) { return info.param.name; });

// Cut, broken and mis-summed replies are asked for again above; an echo is no reply either.
TEST(CheckedReply, IsNoEchoOfTheRequest) {
  Frame reply{0xCA, 0x53, 0x10, 0, 1, 2, 3, 4, 0, 2, 1, 0};
  SealFrame(reply);
  EXPECT_TRUE(IsCleanReply(reply, kFrameSize));
  reply[1] = kRequestTag;  // a request echoed back
  SealFrame(reply);
  EXPECT_FALSE(IsCleanReply(reply, kFrameSize));
}

}  // namespace
}  // namespace zelto
