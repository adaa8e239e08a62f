#include "link/memory_dumps.h"
#include "link/memory_reads.h"
#include "link/monitor.h"
#include "link/service_requests.h"
#include "link_test_support.h"

#include <bit>
#include <cstring>
#include <gtest/gtest.h>

namespace zelto {
namespace {

using sim::Fault;
using testing::MemoReporter;
using testing::SimulatedLink;
using Lines = std::vector<std::string>;

constexpr std::chrono::milliseconds kReplyWait{2000};

// A memory image with a different byte at every address.
sim::MemoryImage Pattern() {
  sim::MemoryImage image{};
  for (std::size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return image;
}

std::vector<std::uint16_t> Addresses(const std::vector<sim::Frame>& frames) {
  std::vector<std::uint16_t> addresses;
  for (const sim::Frame& frame : frames)
    addresses.push_back(sim::AddressOf(frame));
  return addresses;
}

class Service : public ::testing::Test {
 protected:
  explicit Service(int model = 2) : bench(model) { bench.OpenSim(); }

  SimulatedLink bench;
  MemoReporter memo;
};

TEST_F(Service, ReadEEImageCopiesTheWholeMemoryAndDumpsIt) {
  bench.sim.LoadMemory(Pattern());
  EEImage image{};
  EXPECT_EQ(ReadEEImage(bench.link, image, memo), ServiceOutcome::kDone);
  const sim::MemoryImage device = bench.sim.Memory();
  EXPECT_TRUE(std::equal(image.begin(), image.end(), device.begin()));
  EXPECT_EQ(bench.sim.Requests().size(), 128u);
  EXPECT_EQ(memo.progress.front(), 0);
  EXPECT_EQ(memo.progress.back(), 99);
  EXPECT_EQ(memo.memo, EEImageDumpLines(image));
  EXPECT_TRUE(memo.statuses.empty());
}

TEST_F(Service, ReadTablesImageFillsTheTableAreaFromTheMirror) {
  bench.sim.LoadMemory(Pattern());
  EEImage image{};
  image[0x10] = 0x55;  // below the table area: left as an earlier read had it
  EXPECT_EQ(ReadTablesImage(bench.link, image, memo), ServiceOutcome::kDone);
  const sim::MemoryImage device = bench.sim.Memory();
  EXPECT_TRUE(std::equal(image.begin() + 0x7F, image.end(), device.begin() + 0x7F));
  EXPECT_EQ(image[0x10], 0x55);
  EXPECT_EQ(image[0x7E], 0);
  const auto requests = bench.sim.Requests();
  ASSERT_EQ(requests.size(), 385u);
  EXPECT_EQ(sim::AddressOf(requests.front()), 0x309);
  EXPECT_EQ(sim::AddressOf(requests.back()), 0x489);
  EXPECT_EQ(memo.memo, TablesDumpLines(image, 32, 24, 20));
}

// Where a sequence stops, and what it says then, the hostile-line tests check for every read.
TEST_F(Service, MemoryReadsStoppedBySilenceDumpWhatCame) {
  bench.sim.LoadMemory(Pattern());
  bench.sim.SetFault(Fault::SilentFrom(4));
  EEImage image{};
  image.fill(0xEE);
  EXPECT_EQ(ReadEEImage(bench.link, image, memo), ServiceOutcome::kNoAnswer);
  EXPECT_EQ(Addresses(bench.sim.Requests()), (std::vector<std::uint16_t>{0, 4, 8, 12}));
  EXPECT_EQ(memo.progress, (std::vector<int>{0, 0, 0, 1}));
  const sim::MemoryImage device = bench.sim.Memory();
  EXPECT_TRUE(std::equal(image.begin(), image.begin() + 12, device.begin()));
  EXPECT_EQ(image[12], 0xEE);
  EXPECT_EQ(memo.memo, EEImageDumpLines(image));

  bench.Forget();
  memo = {};
  bench.sim.SetFault(Fault::SilentFrom(3));
  EXPECT_EQ(ReadTablesImage(bench.link, image, memo), ServiceOutcome::kNoAnswer);
  EXPECT_EQ(image[0x7F], device[0x7F]);
  EXPECT_EQ(image[0x80], device[0x80]);
  EXPECT_EQ(image[0x81], 0xEE);
  EXPECT_EQ(memo.memo.size(), TablesDumpLines(image, 32, 24, 20).size());
}

TEST_F(Service, MonitorPollReadsItsSetAndLeavesSlotsNineToElevenAlone) {
  MonitorValues values{};
  values[9] = 9;
  values[10] = 10;
  values[11] = 11;
  TraceFlags flags;
  EXPECT_EQ(PollMonitor(bench.link, values, MonitorSet::kFull, flags, memo), ServiceOutcome::kDone);
  EXPECT_EQ(Addresses(bench.sim.Requests()),
            (std::vector<std::uint16_t>{0x500, 0x501, 0x502, 0x503, 0x504, 0x505, 0x506, 0x507,
                                        0x508, 0x50C, 0x50D}));
  for (const sim::Frame& request : bench.sim.Requests())
    EXPECT_EQ(request[10], CmdReadRam);
  EXPECT_EQ(values[0], 1);  // the simulator's constant slot
  EXPECT_GT(values[1], 12000);
  EXPECT_EQ(values[9], 9);
  EXPECT_EQ(values[11], 11);
  EXPECT_TRUE(memo.memo.empty());  // the dump is gated

  bench.Forget();
  flags.Set(fCnftoMemo, true);
  EXPECT_EQ(PollMonitor(bench.link, values, MonitorSet::kShort, flags, memo),
            ServiceOutcome::kDone);
  EXPECT_EQ(Addresses(bench.sim.Requests()),
            (std::vector<std::uint16_t>{0x500, 0x501, 0x502, 0x503, 0x504, 0x505, 0x506, 0x507}));
  EXPECT_EQ(memo.clears, 1);
  EXPECT_EQ(memo.memo, MonitorLines(values));
}

TEST_F(Service, ASilentMonitorPollStopsAndMarksTheSlotsItDidNotReach) {
  MonitorValues values{};
  values.fill(5);
  bench.sim.SetFault(Fault::SilentFrom(3));
  TraceFlags flags;
  flags.Set(fCnftoMemo, true);
  EXPECT_EQ(PollMonitor(bench.link, values, MonitorSet::kFull, flags, memo),
            ServiceOutcome::kNoAnswer);
  EXPECT_NE(values[1], -1);
  EXPECT_EQ(values, (MonitorValues{1, values[1], -1, -1, -1, -1, -1, -1, -1, 5, 5, 5, -1, -1}));
  EXPECT_EQ(memo.memo, MonitorLines(values));
}

TEST_F(Service, TheNextRequestDoesNotTakeTheTestRequestsUnreadReply) {
  TestRequest(bench.link);
  ASSERT_TRUE(bench.sim.WaitForReplies(1, kReplyWait));  // the reply waits on the line
  Frame reply{};
  ASSERT_TRUE(bench.link.Query(32, reply, CmdReadWord));
  EXPECT_EQ(std::bit_cast<float>(ReplyValue(reply)), 1.0f);  // Ae, not the stale 0
  EXPECT_EQ(bench.sim.Requests().size(), 2u);
}

TEST(MemoryDumps, ShowEveryRowAndEveryTableLineAsTheDeviceHoldsIt) {
  EEImage image{};
  const auto put = [&](int offset, auto value) {
    std::memcpy(image.data() + offset, &value, sizeof(value));
  };
  put(0x010, std::int32_t{-50});
  put(0x020, 1.0f);
  put(0x054, 0.5f);
  put(0x080, std::int16_t{-50});
  put(0x082, std::int16_t{1100});
  image[0x084] = 2;
  put(0x130, 2.5f);  // both a table-2 knot and its first coefficient
  image[0x1FF] = 0xAB;

  const auto lines = TablesDumpLines(image, 32, 24, 20);
  ASSERT_EQ(lines.size(), 33u + 3 + (3 + 8) + (2 + 6) + (3 + 5));
  EXPECT_EQ(lines[1], "0010  ce ff ff ff 00 00 00 00 00 00 00 00 00 00 00 00 ");
  EXPECT_EQ(lines[31], "01f0  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 ab ");
  EXPECT_EQ(lines[32], "");
  EXPECT_EQ(lines[33], "-00050, 000000, 000000, 000000");
  EXPECT_EQ(lines[34], " 1.00000e+00,  0.00000e+00,  0.00000e+00,  0.00000e+00");
  EXPECT_EQ(lines[35], " 5.00000e-01,  0.00000e+00");
  EXPECT_EQ(lines[36], "-050,  1100");
  EXPECT_EQ(lines[37], "02, 00, 00, 00, 00");
  EXPECT_EQ(lines[48], "000000, 000000, 000000, 1075838976, 000000");
  EXPECT_EQ(lines[49], " 2.50000e+00,  0.00000e+00,  0.00000e+00,  0.00000e+00");
  EXPECT_EQ(lines.back(), " 0.00000e+00,  0.00000e+00,  0.00000e+00, -4.54747e-13");

  // Counts beyond the image show no lines past its end.
  EXPECT_EQ(TablesDumpLines(image, 32, 24, 400).size(), lines.size());
}

TEST(MonitorLines, ShowSlotsOneToSevenZeroPadded) {
  MonitorValues values{};
  for (int k = 0; k < kMonitorSlots; ++k)
    values[static_cast<std::size_t>(k)] = 100 * k;
  values[4] = -1;
  EXPECT_EQ(MonitorLines(values),
            (Lines{"M00 = 000100", "M01 = 000200", "M02 = 000300", "M03 = -00001", "M10 = 000500",
                   "M11 = 000600", "M12 = 000700"}));
}

}  // namespace
}  // namespace zelto
