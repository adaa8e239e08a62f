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

// A device that echoes addresses, as the simulator does, answering the read of word 16 with word
// 20's address and data now and then; and one that echoes nothing.
struct EchoCase {
  std::string name;
  Fault fault;
  CheckedReadOutcome outcome;
  Payload bytes;
  int requests;
  AddressEcho learnt;

  friend void PrintTo(const EchoCase& c, std::ostream* out) { *out << c.name; }
};

class CheckedReadOfAnotherWord : public ::testing::TestWithParam<EchoCase> {};

TEST_P(CheckedReadOfAnotherWord, IsAskedAgainOnlyWhereTheDeviceEchoesAddresses) {
  const EchoCase& c = GetParam();
  DeviceBench bench(1);
  sim::MemoryImage memory{};
  testing::PutWord(memory, 16, 0x04030201);
  testing::PutWord(memory, 20, 0x08070605);
  testing::PutWord(memory, 104, 0x02040011);
  bench.sim.LoadMemory(memory);
  bench.sim.SetFault(c.fault);
  // The first checked read of the session, as a backup's is, teaches the link.
  ASSERT_EQ(ReadWordChecked(bench.link, 104).outcome, CheckedReadOutcome::kClean);
  EXPECT_EQ(bench.link.ReplyAddressEcho(), c.learnt);
  bench.sim.ClearRequests();
  const CheckedWord word = ReadWordChecked(bench.link, 16);
  EXPECT_EQ(word.outcome, c.outcome);
  EXPECT_EQ(word.bytes, c.bytes);
  EXPECT_EQ(bench.sim.Requests().size(), static_cast<std::size_t>(c.requests));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, CheckedReadOfAnotherWord,
    ::testing::Values(EchoCase{"OnceThenItsOwn", Fault::NextWordAt(16, 1),
                               CheckedReadOutcome::kClean, Payload{1, 2, 3, 4}, 2,
                               AddressEcho::kEchoed},
                      EchoCase{"TwiceThenItsOwn", Fault::NextWordAt(16, 2),
                               CheckedReadOutcome::kClean, Payload{1, 2, 3, 4}, 3,
                               AddressEcho::kEchoed},
                      EchoCase{"Always", Fault::NextWordAt(16), CheckedReadOutcome::kBadReply,
                               Payload{}, 3, AddressEcho::kEchoed},
                      // Nothing tells the reply's word: it is taken as ever.
                      EchoCase{"NoEcho", Fault::NoAddressEcho(), CheckedReadOutcome::kClean,
                               Payload{1, 2, 3, 4}, 1, AddressEcho::kNotEchoed}),
    [](const auto& info) { return info.param.name; });

TEST(CheckedReadOfAnotherWord, IsLearntAtANonzeroAddressAndAfreshForEachDevice) {
  DeviceBench bench(1);
  ASSERT_EQ(ReadWordChecked(bench.link, 0).outcome, CheckedReadOutcome::kClean);
  EXPECT_EQ(bench.link.ReplyAddressEcho(), AddressEcho::kUnknown);  // 0 is what no echo says
  ASSERT_EQ(ReadWordChecked(bench.link, 8).outcome, CheckedReadOutcome::kClean);
  EXPECT_EQ(bench.link.ReplyAddressEcho(), AddressEcho::kEchoed);

  // Another device may answer once the port opens again, or a device is connected again.
  bench.link.ReleasePort();
  bench.OpenSim();
  EXPECT_EQ(bench.link.ReplyAddressEcho(), AddressEcho::kUnknown);
  bench.sim.SetFault(Fault::NoAddressEcho());
  ASSERT_EQ(ReadWordChecked(bench.link, 8).outcome, CheckedReadOutcome::kClean);
  EXPECT_EQ(bench.link.ReplyAddressEcho(), AddressEcho::kNotEchoed);
  bench.sim.SetFault(Fault::None());
  ASSERT_EQ(bench.link.ConnectDevice(1), IdentifyOutcome::kMatched);
  EXPECT_EQ(bench.link.ReplyAddressEcho(), AddressEcho::kUnknown);
}

// The everyday reads take what comes, as they always have.
TEST(CheckedReadOfAnotherWord, LeavesTheEverydayReadsAlone) {
  DeviceBench bench(1);
  sim::MemoryImage memory{};
  testing::PutWord(memory, 20, 0x08070605);
  bench.sim.LoadMemory(memory);
  ASSERT_EQ(ReadWordChecked(bench.link, 8).outcome, CheckedReadOutcome::kClean);
  bench.sim.SetFault(Fault::NextWordAt(16));
  Frame reply{};
  ASSERT_TRUE(bench.link.Query(16, reply, CmdReadWord));
  EXPECT_EQ(ReplyValue(reply), 0x08070605);
}

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
