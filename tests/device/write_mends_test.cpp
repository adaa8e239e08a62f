// A write stops at the first word the device leaves unanswered, and sends nothing at all for a
// record or a correction that cannot be right.
#include "config/write_sequences.h"
#include "device_test_support.h"

#include <gtest/gtest.h>

namespace zelto::config {
namespace {

using sim::Fault;
using testing::Configured;
using testing::DeviceBench;
using testing::Sent;
using testing::SetRange;
using Lines = std::vector<std::string>;

constexpr int kDastra = 1;
constexpr int kVelmor = 2;
constexpr int kTypeK = 11;

// Whether requests still move the progress bar once the operation is over.
bool ProgressStillCounts(DeviceBench& bench) {
  const std::size_t before = bench.reporter.progress.size();
  bench.link.Request(0, Payload{}, CmdReadRam);
  return bench.reporter.progress.size() != before;
}

TEST(SilentDevice, StopsTheConfigurationAtTheFirstUnansweredWord) {
  for (const int model : {kDastra, kVelmor}) {
    DeviceBench bench(model);
    ConfigRecord record = Configured(model, kTypeK);
    bench.sim.SetFault(Fault::SilentFrom(2));
    EXPECT_EQ(WriteConfiguration(bench.link, bench.reporter, record, model, false, {}),
              DeviceOutcome::kNoAnswer);
    EXPECT_EQ(bench.sim.Requests().size(), 2u) << model;  // no end marker, no action
    EXPECT_EQ(bench.reporter.statuses, (Lines{"Ждите завершения записи", "Прибор не отвечает"}));
    // The unanswered word counts like any other; nothing moves the bar after it.
    EXPECT_EQ(bench.reporter.progress.back(), model == kDastra ? 2 : 16);
    EXPECT_FALSE(bench.IsWriting());
    EXPECT_FALSE(ProgressStillCounts(bench));
  }
}

TEST(SilentDevice, StopsTheCorrectionBeforeActionAndReadBack) {
  DeviceBench bench(kDastra);
  ConfigRecord record = Configured(kDastra, kTypeK);
  SilentConfigView view;
  AssignField(record, kQuantityZero, record.CurZero + 0.1f, 2, view);
  EEImage image{};
  bench.sim.SetFault(Fault::SilentFrom(1));
  EXPECT_EQ(WriteCorrection(bench.link, bench.reporter, record, kDastra, false, {}, image),
            DeviceOutcome::kNoAnswer);
  ASSERT_EQ(Sent(bench.sim).size(), 1u);
  EXPECT_TRUE(Sent(bench.sim)[0].starts_with("W 84: "));
  EXPECT_NE(record.Au, 1.0f);  // the computed correction stays in the record
  EXPECT_EQ(image, EEImage{});
  EXPECT_EQ(bench.reporter.statuses, (Lines{"Ждите завершения записи", "Прибор не отвечает"}));
  EXPECT_FALSE(bench.IsWriting());
  EXPECT_FALSE(ProgressStillCounts(bench));
}

TEST(SilentDevice, StopsTheResetButTheRecordIsResetAlready) {
  DeviceBench bench(kDastra);
  ConfigRecord record = Configured(kDastra, kTypeK);
  record.Au = 2.0f;
  SilentConfigView view;
  bench.sim.SetFault(Fault::SilentFrom(1));
  EXPECT_EQ(ResetCorrection(bench.link, bench.reporter, record, kDastra, 0, view),
            DeviceOutcome::kNoAnswer);
  EXPECT_EQ(Sent(bench.sim), (Lines{"W 84: 00 00 80 3f"}));
  EXPECT_EQ(record.Au, 1.0f);
  EXPECT_EQ(record.Bu, 0.0f);
  EXPECT_EQ(bench.reporter.statuses.back(), "Прибор не отвечает");
  EXPECT_FALSE(bench.IsWriting());
}

TEST(SilentDevice, StopsTheReadBackAndKeepsTheImageFromThere) {
  DeviceBench bench(kDastra);
  EEImage image{};
  image.fill(0xEE);
  bench.sim.SetFault(Fault::SilentFrom(2));
  EXPECT_EQ(ReadBackCorrection(bench.link, bench.reporter, image), DeviceOutcome::kNoAnswer);
  EXPECT_EQ(Sent(bench.sim), (Lines{"R 80", "R 84"}));
  EXPECT_EQ(testing::WordAt(image, 80), testing::WordAt(bench.sim.Memory(), 80));
  EXPECT_EQ(image[84], 0xEE);
  EXPECT_EQ(bench.reporter.statuses, (Lines{"Прибор не отвечает"}));
  EXPECT_EQ(bench.reporter.progress, (std::vector<int>{0, 100}));
}

TEST(RefusedCorrection, SendsNothingAndSaysWhy) {
  DeviceBench bench(kDastra);
  ConfigRecord record = Configured(kDastra, kTypeK);
  SetRange(record, 0, 1000);
  SilentConfigView view;
  // Points so close that both measured currents stand for the same signal.
  AssignField(record, kQuantityTmpFull, 500.001f, 2, view);
  AssignField(record, kQuantityTmpZero, 500.0f, 2, view);
  AssignField(record, kQuantityFull, record.Zero, 2, view);
  const ConfigRecord before = record;
  TraceFlags trace;
  trace.Set(fCnftoMemo, true);
  EEImage image{};
  EXPECT_EQ(WriteCorrection(bench.link, bench.reporter, record, kDastra, false, trace, image),
            DeviceOutcome::kRefused);
  EXPECT_TRUE(bench.sim.Requests().empty());
  EXPECT_EQ(bench.reporter.statuses,
            (Lines{"Коррекция не вычислена: сигналы в двух точках совпадают"}));
  // The trace still shows the computation, without the device's words.
  ASSERT_EQ(bench.reporter.memo.size(), 4u);
  EXPECT_EQ(bench.reporter.memo[2], "Au =     nan, Bu =      nan");
  EXPECT_TRUE(bench.reporter.progress.empty());
  EXPECT_EQ(record, before);
  EXPECT_FALSE(bench.IsWriting());
  EXPECT_FALSE(ProgressStillCounts(bench));
}

TEST(InvalidRecord, IsNeverSent) {
  struct Case {
    const char* what;
    int model;
    std::function<void(ConfigRecord&, VelmorSwitches&)> breakIt;
  };
  const std::vector<Case> cases{
      {"a device code of no model", kDastra, [](auto& r, auto&) { r.Device = 7; }},
      {"a sensor the list does not offer", kDastra,
       [](auto& r, auto&) { r = Configured(kDastra, 17); }},
      {"an empty range", kDastra, [](auto& r, auto&) { r.RngMin = r.RngMax; }},
      {"a wiring scheme of no position", kVelmor, [](auto&, auto& s) { s.scheme = 3; }},
  };
  for (const Case& c : cases) {
    DeviceBench bench(c.model);
    ConfigRecord record = Configured(c.model, kTypeK);
    VelmorSwitches switches{false, 0, false, 2, false};
    c.breakIt(record, switches);
    EXPECT_EQ(WriteConfiguration(bench.link, bench.reporter, record, c.model, false, switches),
              DeviceOutcome::kRefused)
        << c.what;
    if (c.model == kDastra) {
      EEImage image{};
      EXPECT_EQ(WriteCorrection(bench.link, bench.reporter, record, c.model, false, {}, image),
                DeviceOutcome::kRefused)
          << c.what;
    }
    EXPECT_TRUE(bench.sim.Requests().empty()) << c.what;
    EXPECT_EQ(bench.reporter.statuses.front(), "Конфигурация не записана: недопустимые значения");
    EXPECT_FALSE(bench.IsWriting());
  }
}

}  // namespace
}  // namespace zelto::config
