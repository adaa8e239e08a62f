#include "config/conversion_tables.h"
#include "config/table_image.h"
#include "config/trace_lines.h"
#include "config/write_sequences.h"
#include "device_test_support.h"

#include <bit>
#include <gtest/gtest.h>

namespace zelto::config {
namespace {

using testing::Configured;
using testing::DeviceBench;
using testing::Sent;
using testing::SetRange;
using testing::WordAt;
using Lines = std::vector<std::string>;

constexpr int kDastra = 1;
constexpr int kVelmor = 2;
constexpr int kTypeK = 11;

float FloatAt(const sim::MemoryImage& memory, int address) {
  return std::bit_cast<float>(WordAt(memory, address));
}

class LoadingWrite : public ::testing::Test {
 protected:
  LoadingWrite() : record_(Configured(kDastra, kTypeK)) {
    SetRange(record_, -50, 1000);
    record_.Au = 1.25f;  // a correction the write clears in the device, not in the record
    record_.Bu = -3.0f;
  }

  DeviceOutcome Write(bool lineFunc) {
    return WriteConfiguration(bench_.link, bench_.reporter, record_, kDastra, lineFunc, {});
  }

  DeviceBench bench_{kDastra};
  ConfigRecord record_;
};

TEST_F(LoadingWrite, TypeKSendsItsWordsItsThreeTablesAndTheEndMarkerLast) {
  bool writingAtFinish = false;
  bench_.reporter.onStatus = [&](std::string_view) { writingAtFinish = bench_.IsWriting(); };
  EXPECT_EQ(Write(false), DeviceOutcome::kDone);

  const Lines sent = Sent(bench_.sim);
  ASSERT_EQ(sent.size(), 84u);  // 8 words, tables of 33, 26 and 16 words, the marker
  EXPECT_EQ(
      Lines(sent.begin(), sent.begin() + 8),
      (Lines{"W 0: 01 03 64 00", "W 8: 0b 01 00 01", "W 16: ce ff ff ff", "W 20: e8 03 00 00",
             "W 24: 04 00 00 00", "W 28: 14 00 00 00", "W 84: 00 00 80 3f", "W 88: 00 00 00 00"}));
  EXPECT_EQ(sent[8], "W 128: ce ff 14 05");  // table 1 starts with its range, -50..1300
  EXPECT_EQ(sent.back(), "W 124: ff ff ff 00");

  const sim::MemoryImage memory = bench_.sim.Memory();
  EXPECT_EQ(DecodeTableImage(memory, 128), EmfToTemperatureTable(kThermocoupleK));
  EXPECT_EQ(DecodeTableImage(memory, 400), RatioToTemperatureTable(0));
  // Table 2 in its compact form, whose layout the table image tests show.
  EXPECT_EQ(WordAt(memory, 288), 2u | 11u << 8 | 10u << 16);
  EXPECT_EQ(FloatAt(memory, 304 + 4 * 20), TemperatureToEmfTable(kThermocoupleK).Coef[20]);

  EXPECT_EQ(bench_.reporter.statuses, (Lines{"Ждите завершения записи", "Запись завершена"}));
  EXPECT_TRUE(writingAtFinish);
  EXPECT_FALSE(bench_.IsWriting());
  // 12 per word in tenths: the bar stops at 99 after 83 words until the finish fills it.
  const auto& progress = bench_.reporter.progress;
  ASSERT_EQ(progress.size(), 85u);
  EXPECT_EQ(progress.front(), 0);
  EXPECT_EQ(progress[1], 1);
  EXPECT_EQ(progress[83], 99);
  EXPECT_EQ(progress.back(), 100);
  EXPECT_EQ(record_.DevRngMin, -50);
  EXPECT_EQ(record_.DevRngMax, 1000);
  EXPECT_EQ(record_.Au, 1.25f);
  EXPECT_EQ(record_.Bu, -3.0f);
}

TEST_F(LoadingWrite, LinearFromEmfSendsTenthsOfAMillivoltAndTheLinearTable) {
  EXPECT_EQ(Write(true), DeviceOutcome::kDone);
  const Lines sent = Sent(bench_.sim);
  EXPECT_EQ(sent[1], "W 8: 8b 01 00 01");
  EXPECT_EQ(sent[2], "W 16: ee ff ff ff");  // -1.889 mV truncated: -18
  EXPECT_EQ(sent[3], "W 20: 9c 01 00 00");  // 41.276 mV: 412
  EXPECT_EQ(record_.DevRngMin, -18);
  EXPECT_EQ(record_.DevRngMax, 412);

  const sim::MemoryImage memory = bench_.sim.Memory();
  EXPECT_EQ(DecodeTableImage(memory, 128), EmfToTemperatureTable(kLinearEmf));
  EXPECT_EQ(WordAt(memory, 288), 2u | 11u << 8 | 10u << 16);             // still type K's own
  EXPECT_EQ(DecodeTableImage(memory, 400), RatioToTemperatureTable(0));  // Mode 1: unchanged
}

TEST(VelmorWrite, SendsSwitchesStateRangeAndActionAfterTheFinish) {
  DeviceBench bench(kVelmor);
  ConfigRecord record = Configured(kVelmor, 9);  // type J, -50..1100
  const VelmorSwitches switches{true, 1, false, 2, true};
  std::size_t sentAtFinish = 0;
  bench.reporter.onStatus = [&](std::string_view text) {
    if (text == "Запись завершена")
      sentAtFinish = bench.sim.Requests().size();
  };
  EXPECT_EQ(WriteConfiguration(bench.link, bench.reporter, record, kVelmor, false, switches),
            DeviceOutcome::kDone);
  EXPECT_EQ(Sent(bench.sim), (Lines{"W 0: 09 01 01 00", "W 4: 02 01 00 00", "W 12: 00 00 00 00",
                                    "W 116: 09 02 00 01", "W 16: ce ff ff ff", "W 20: 4c 04 00 00",
                                    "W 24: 04 00 00 00", "W 28: 14 00 00 00", "W 56: 00 00 80 3f",
                                    "W 60: 00 00 00 00", "A 21"}));
  EXPECT_EQ(sentAtFinish, 10u);
  EXPECT_EQ(bench.reporter.progress,
            (std::vector<int>{0, 8, 16, 24, 33, 41, 49, 58, 66, 74, 83, 100}));
  EXPECT_FALSE(bench.IsWriting());
}

TEST(ModelsWithoutTheCommand, SendNothing) {
  DeviceBench bench(kDastra);
  ConfigRecord record = Configured(kDastra, kTypeK);
  EXPECT_EQ(WriteConfiguration(bench.link, bench.reporter, record, 3, false, {}),
            DeviceOutcome::kNotAvailable);
  EXPECT_EQ(bench.reporter.statuses, (Lines{"В данной версии отсутствует"}));
  EXPECT_EQ(WriteConfiguration(bench.link, bench.reporter, record, -1, false, {}),
            DeviceOutcome::kNoModel);
  EXPECT_EQ(bench.reporter.statuses.size(), 1u);
  EXPECT_TRUE(bench.sim.Requests().empty());
}

// A type K range 0..1000 with the points 100 and 900 °C, whose measured currents are off.
class Correction : public ::testing::Test {
 protected:
  explicit Correction(int model = kDastra) : bench_(model), record_(Configured(model, kTypeK)) {
    SetRange(record_, 0, 1000);
    SilentConfigView view;
    AssignField(record_, kQuantityTmpFull, 900.0f, 2, view);  // T2 first: T1 stays below it
    AssignField(record_, kQuantityTmpZero, 100.0f, 2, view);
    AssignField(record_, kQuantityZero, 5.7f, 2, view);   // nominal 5.6 mA
    AssignField(record_, kQuantityFull, 18.2f, 2, view);  // nominal 18.4 mA
    image_.fill(0xEE);
  }

  DeviceOutcome Write(TraceFlags trace = {}) {
    return WriteCorrection(bench_.link, bench_.reporter, record_, model_, false, trace, image_);
  }

  int model_ = kDastra;
  SilentConfigView view_;
  DeviceBench bench_;
  ConfigRecord record_;
  EEImage image_{};
};

TEST_F(Correction, SendsGainAndOffsetThenTheActionAndReadsTheWordsBack) {
  EXPECT_EQ(Write(), DeviceOutcome::kDone);
  EXPECT_NE(record_.Au, 1.0f);
  const sim::MemoryImage memory = bench_.sim.Memory();
  EXPECT_EQ(FloatAt(memory, 84), record_.Au);
  EXPECT_EQ(FloatAt(memory, 88), record_.Bu);
  const Lines sent = Sent(bench_.sim);
  ASSERT_EQ(sent.size(), 7u);
  EXPECT_EQ(Lines(sent.begin() + 2, sent.end()), (Lines{"A 20", "R 80", "R 84", "R 88", "R 92"}));
  EXPECT_TRUE(std::equal(image_.begin() + 80, image_.begin() + 96, memory.begin() + 80));
  EXPECT_EQ(image_[79], 0xEE);
  EXPECT_EQ(image_[96], 0xEE);
  EXPECT_EQ(bench_.reporter.statuses, (Lines{"Ждите завершения записи", "Запись завершена"}));
  EXPECT_EQ(bench_.reporter.progress, (std::vector<int>{0, 50, 100, 100, 0, 100, 100, 100, 100}));
  EXPECT_FALSE(bench_.IsWriting());
}

TEST_F(Correction, TheTraceReadsWhatTheDeviceMadeOfItBeforeTheWords) {
  TraceFlags trace;
  trace.Set(fCnftoMemo, true);
  EXPECT_EQ(Write(trace), DeviceOutcome::kDone);
  const Lines sent = Sent(bench_.sim);
  ASSERT_EQ(sent.size(), 10u);
  EXPECT_EQ(Lines(sent.begin(), sent.begin() + 3), (Lines{"M 1281", "M 1283", "M 1284"}));
  EXPECT_TRUE(sent[3].starts_with("W 84: "));

  const Lines& memo = bench_.reporter.memo;
  ASSERT_EQ(memo.size(), 5u);
  EXPECT_EQ(memo[0], "i0 =  5.6000, i1 =  5.7000, i2 = 18.4000, i3 = 18.2000");
  EXPECT_EQ(memo[1], "e0 =  0.0041, e1=   0.0044, e2 =  0.0373,e3 =  0.0368");  // volts
  EXPECT_EQ(memo[2], CorrectionTraceLine(record_.Au, record_.Bu));
  EXPECT_TRUE(memo[3].starts_with("m00 =")) << memo[3];
  EXPECT_EQ(memo[4], "");
}

TEST_F(Correction, ResetSendsNeutralWordsAndTheActionAndTakesTheNominalCurrentsOver) {
  record_.Au = 1.2f;
  record_.Bu = 3.0f;
  EXPECT_EQ(ResetCorrection(bench_.link, bench_.reporter, record_, kDastra, 0, view_),
            DeviceOutcome::kDone);
  EXPECT_EQ(Sent(bench_.sim), (Lines{"W 84: 00 00 80 3f", "W 88: 00 00 00 00", "A 20"}));
  EXPECT_EQ(record_.Au, 1.0f);
  EXPECT_EQ(record_.Bu, 0.0f);
  EXPECT_EQ(record_.Zero, record_.CurZero);
  EXPECT_EQ(record_.Full, record_.CurFull);
  EXPECT_EQ(bench_.reporter.statuses, (Lines{"Ждите завершения записи", "Запись завершена"}));
}

class VelmorCorrection : public Correction {
 protected:
  VelmorCorrection() : Correction(kVelmor) { model_ = kVelmor; }
};

TEST_F(VelmorCorrection, IsNotAvailableYetSendsTheActionAndReadsBack) {
  EXPECT_EQ(Write(), DeviceOutcome::kNotAvailable);
  EXPECT_EQ(bench_.reporter.statuses, (Lines{"В данной версии отсутствует"}));
  EXPECT_EQ(Sent(bench_.sim), (Lines{"A 20", "R 80", "R 84", "R 88", "R 92"}));
  EXPECT_EQ(record_.Au, 1.0f);

  bench_.sim.ClearRequests();
  EXPECT_EQ(ResetCorrection(bench_.link, bench_.reporter, record_, kVelmor, 2, view_),
            DeviceOutcome::kNotAvailable);
  EXPECT_EQ(Sent(bench_.sim), (Lines{"A 20"}));
}

}  // namespace
}  // namespace zelto::config
