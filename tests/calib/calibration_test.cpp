#include "../link/link_test_support.h"
#include "calib/calibration_display.h"
#include "calib/calibration_transfers.h"

#include <bit>
#include <gtest/gtest.h>

namespace zelto::calib {
namespace {

using sim::Fault;
using testing::MemoReporter;
using testing::SimulatedLink;
using testing::WordAt;
using Lines = std::vector<std::string>;

constexpr int kDastra = 1;
constexpr int kVelmor = 2;

// A block no clear would leave: every field its own value.
CalibBlock Distinct() {
  CalibBlock block;
  for (std::size_t i = 0; i < block.Pairs.size(); ++i)
    block.Pairs[i] = 2.5f + static_cast<float>(i);
  for (std::size_t i = 0; i < block.Ref.size(); ++i)
    block.Ref[i] = static_cast<std::uint16_t>(1000 + 111 * i);
  return block;
}

config::ConfigRecord RecordOf(int device) {
  config::ConfigRecord record;
  record.Device = static_cast<std::uint8_t>(device);
  return record;
}

// Whether the memo shows them at all is seen with the reads below.
TEST(ShowCalibration, ShowsEachFamilyInItsOwnLayout) {
  const CalibBlock block = Distinct();
  EXPECT_EQ(CalibrationLines(block, kDastra),
            (Lines{"Ae =  2.50000, Ar =  4.50000, Au =  6.50000",
                   "Be =  3.50000, Br =  5.50000, Bu =  7.50000",
                   "  1000,  1111,  1222,  1333,  1444,  1555,  1666,  1777",
                   "  1444,  1555,  1666,  1777,  1888,  1999,  2110,  2221",
                   "  1888,  1999,  2110,  2221,  2332,  2443,  2554,  2665",
                   "  2332,  2443,  2554,  2665,  2776,  2887,  2998,  3109",
                   "  2776,  2887,  2998,  3109"}));
  CalibBlock velmor = block;
  velmor.Ref[15] = 65535;
  EXPECT_EQ(CalibrationLines(velmor, kVelmor),
            (Lines{"Ae =  2.50000, Ai =  4.50000, Ar =  6.50000, Au =  8.50000",
                   "Be =  3.50000, Bi =  5.50000, Br =  7.50000, Bu =  9.50000",
                   "  1000,  1111,  1222,  1333,  1444,  1555,  1666,  1777",
                   "  1888,  1999,  2110,  2221,  2332,  2443,  2554, 65535"}));
  EXPECT_TRUE(CalibrationLines(block, 3).empty());
}

class Calibration : public ::testing::TestWithParam<int> {
 protected:
  Calibration() : bench(GetParam()) {
    bench.OpenSim();
    // Start from a device whose calibration is anything but neutral.
    sim::MemoryImage memory = bench.sim.Memory();
    for (int address = 32; address < 96; ++address)
      memory[static_cast<std::size_t>(address)] = static_cast<std::uint8_t>(address * 5 + 1);
    bench.sim.LoadMemory(memory);
  }

  int Model() const { return GetParam(); }
  bool IsVelmor() const { return Model() == kVelmor; }

  SimulatedLink bench;
  MemoReporter memo;
};

TEST_P(Calibration, ClearFullWritesNeutralValuesAndShowsThemReadBack) {
  CalibBlock block = Distinct();
  ASSERT_EQ(ClearCalibrationFull(bench.link, block, RecordOf(Model()), Model(), true, memo),
            ServiceOutcome::kDone);
  ASSERT_GE(memo.memo.size(), 4u);
  if (IsVelmor()) {
    EXPECT_EQ(memo.memo[0], "Ae =  1.00000, Ai =  1.00000, Ar =  1.00000, Au =  1.00000");
    EXPECT_EQ(memo.memo[1], "Be =  0.00000, Bi =  0.00000, Br =  0.00000, Bu =  0.00000");
    EXPECT_EQ(memo.memo[2], "  2635, 15058,  2635, 12554, 22571, 32686, 42913, 53249");
    // Written as 65535, read back as 0.
    EXPECT_EQ(WordAt(bench.sim.Memory(), 88) >> 16, 65535u);
    EXPECT_EQ(block.Ref[13], 0);
  } else {
    EXPECT_EQ(memo.memo[0], "Ae =  1.00000, Ar =  1.00000, Au =  1.00000");
    EXPECT_EQ(memo.memo[1], "Be =  0.00000, Br =  0.00000, Bu =  0.00000");
    EXPECT_EQ(memo.memo[2], "  6301,  8091,  9980, 11973, 14087, 16324, 18703, 21236");
    EXPECT_EQ(block.Ref[16], 54257);
    EXPECT_EQ(block.Ref[17], 0);
  }
  // What the device never holds stays as it was.
  EXPECT_EQ(block.Ref[19], Distinct().Ref[19]);
  EXPECT_EQ(memo.progress.back(), 100);
  // Writes, the action, then the read-back.
  const auto requests = bench.sim.Requests();
  const std::size_t words = IsVelmor() ? 8 + 7 : 6 + 9;
  ASSERT_EQ(requests.size(), 2 * words + 1);
  EXPECT_EQ(requests[words][10], CmdAction);
  EXPECT_EQ(requests[words][4], IsVelmor() ? ActCalibrDone : ActWriteDone);
}

TEST_P(Calibration, ClearWritesNeutralPairsOnlyAndLeavesBlockAndMemoAlone) {
  const CalibBlock block = Distinct();
  const sim::MemoryImage before = bench.sim.Memory();
  ASSERT_EQ(ClearCalibration(bench.link, RecordOf(Model()), memo), ServiceOutcome::kDone);
  EXPECT_TRUE(memo.memo.empty());
  const sim::MemoryImage after = bench.sim.Memory();
  const std::vector<int> pairWords = IsVelmor() ? std::vector<int>{32, 36, 40, 44, 48, 52, 56, 60}
                                                : std::vector<int>{32, 36, 40, 44, 84, 88};
  for (std::size_t i = 0; i < pairWords.size(); ++i) {
    EXPECT_EQ(std::bit_cast<float>(WordAt(after, pairWords[i])), i % 2 == 0 ? 1.0f : 0.0f);
  }
  const int references = IsVelmor() ? 64 : 48;
  EXPECT_EQ(WordAt(after, references), WordAt(before, references));
  EXPECT_EQ(bench.sim.Requests().size(), pairWords.size() + 1);
  EXPECT_EQ(memo.progress.back(), 100);
  EXPECT_EQ(block, Distinct());
}

TEST_P(Calibration, WriteThenReadGivesTheBlockBackAsTheDeviceHoldsIt) {
  const CalibBlock written = Distinct();
  ASSERT_EQ(WriteCalibration(bench.link, written, Model(), false, memo), ServiceOutcome::kDone);
  EXPECT_EQ(memo.progress.back(), 100);
  CalibBlock read{};
  ASSERT_EQ(ReadCalibration(bench.link, read, Model(), false, memo), ServiceOutcome::kDone);
  EXPECT_TRUE(memo.memo.empty());  // Calibr hidden
  CalibBlock expected = written;
  const int lastReference = IsVelmor() ? 13 : 17;
  for (std::size_t i = static_cast<std::size_t>(lastReference); i < expected.Ref.size(); ++i)
    expected.Ref[i] = 0;
  if (!IsVelmor()) {
    expected.Pairs[6] = 0;
    expected.Pairs[7] = 0;
  }
  EXPECT_EQ(read, expected);
}

TEST_P(Calibration, WritesStopAtTheFirstUnansweredWord) {
  bench.sim.SetFault(Fault::SilentFrom(3));
  EXPECT_EQ(WriteCalibration(bench.link, Distinct(), Model(), true, memo),
            ServiceOutcome::kNoAnswer);
  EXPECT_EQ(testing::Sent(bench.sim),
            (Lines{"W 32: 00 00 20 40", "W 36: 00 00 60 40", "W 40: 00 00 90 40"}));
  EXPECT_EQ(memo.statuses, (Lines{"Прибор не отвечает"}));
  EXPECT_EQ(memo.progress, (std::vector<int>{0, 0, 4}));
  EXPECT_TRUE(memo.memo.empty());

  for (const bool full : {false, true}) {
    bench.Forget();
    memo = {};
    bench.sim.SetFault(Fault::SilentFrom(2));
    CalibBlock block{};
    const auto outcome =
        full ? ClearCalibrationFull(bench.link, block, RecordOf(Model()), Model(), true, memo)
             : ClearCalibration(bench.link, RecordOf(Model()), memo);
    EXPECT_EQ(outcome, ServiceOutcome::kNoAnswer);
    EXPECT_EQ(bench.sim.Requests().size(), 2u);  // no action, no read-back
    EXPECT_TRUE(memo.memo.empty());
    EXPECT_EQ(memo.progress.back(), 0);
    EXPECT_EQ(block, CalibBlock{});
  }
}

// Where a read stops, and what it says, the hostile-line sequences check.
TEST_P(Calibration, AReadStoppedBySilenceShowsWhatCame) {
  bench.sim.SetFault(Fault::SilentFrom(4));
  CalibBlock block = Distinct();
  EXPECT_EQ(ReadCalibration(bench.link, block, Model(), true, memo), ServiceOutcome::kNoAnswer);
  const sim::MemoryImage memory = bench.sim.Memory();
  EXPECT_EQ(std::bit_cast<std::uint32_t>(block.Pairs[2]), WordAt(memory, 40));
  EXPECT_EQ(block.Pairs[3], Distinct().Pairs[3]);
  EXPECT_NE(memo.progress.back(), 100);
  EXPECT_EQ(memo.memo, CalibrationLines(block, Model()));
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, Calibration, ::testing::Values(kDastra, kVelmor),
                         [](const auto& info) {
                           return std::string(info.param == kVelmor ? "Velmor7" : "Dastra2");
                         });

TEST(CalibrationModels, AnUnknownPositionOrDeviceTransfersNothing) {
  SimulatedLink bench(kVelmor);
  bench.OpenSim();
  MemoReporter memo;
  CalibBlock block = Distinct();
  EXPECT_EQ(ReadCalibration(bench.link, block, 3, true, memo), ServiceOutcome::kUnknownModel);
  EXPECT_EQ(WriteCalibration(bench.link, block, 7, true, memo), ServiceOutcome::kUnknownModel);
  EXPECT_EQ(ClearCalibration(bench.link, RecordOf(44), memo), ServiceOutcome::kUnknownModel);
  EXPECT_EQ(ClearCalibrationFull(bench.link, block, RecordOf(44), kVelmor, true, memo),
            ServiceOutcome::kUnknownModel);
  EXPECT_TRUE(bench.sim.Requests().empty());
  EXPECT_EQ(block, Distinct());
}

}  // namespace
}  // namespace zelto::calib
