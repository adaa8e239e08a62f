#include "check/output_check.h"

#include "check/check_adjustment.h"
#include "config/write_sequences.h"
#include "device/device_test_support.h"
#include "instruments/instrument_connection.h"
#include "keep/backup_store.h"
#include "rig/simulated_bench.h"
#include "scratch_folder.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>

namespace zelto::check {
namespace {

using namespace std::chrono_literals;
using instruments::FailureKind;

// Time that passes only when waited for; the user cancels when the test says so.
class TestClock final : public SettleClock {
 public:
  TimePoint Now() const override { return now_; }
  bool WaitUntil(TimePoint deadline) override {
    if (cancelled)
      return false;
    now_ = std::max(now_, deadline);
    return true;
  }
  bool cancelled = false;

 private:
  TimePoint now_{};
};

class TestOperator final : public CheckOperator {
 public:
  bool ApplySignal(const CheckPoint& point, bool) override {
    asked.push_back(point.percent);
    return true;
  }
  void ShowReading(double current) override { shown.push_back(current); }

  std::vector<double> asked;
  std::vector<double> shown;
};

// A simulated transmitter configured through the configurator's own write, with a simulated
// bench around it (meter and calibrator on TCP ports), the link open to it, and a backups folder
// of the test's own.
struct Bench {
  Bench(int model, int sensor, int low, int high, rig::UnitError error = {})
      : model(model),
        device(model),
        bench(model, device.sim, error, sim::LineServer::Transport::kTcp) {
    config::ConfigRecord record = testing::Configured(model, sensor);
    testing::SetRange(record, low, high);
    EXPECT_EQ(config::WriteConfiguration(device.link, device.reporter, record, model, false,
                                         {false, 0, false, config::kOutput4To20, false}),
              config::DeviceOutcome::kDone);
    device.Forget();
  }

  OutputCheck Start(std::vector<double> percents = {0, 50, 100}) {
    const auto unit = ReadCheckedUnit(device.link, device.reporter, Model());
    EXPECT_TRUE(std::holds_alternative<CheckedUnit>(unit));
    CheckSettings settings;
    settings.percents = std::move(percents);
    settings.port = device.sim.Path();
    settings.time = "2026-12-07T14:15:02.123+01:00";
    auto started = OutputCheck::Start(Model(), std::get<CheckedUnit>(unit), settings);
    EXPECT_TRUE(std::holds_alternative<OutputCheck>(started));
    device.Forget();
    return std::move(std::get<OutputCheck>(started));
  }
  int Model() const { return model; }

  std::unique_ptr<instruments::CurrentMeter> Meter() {
    const auto setting = std::get<instruments::InstrumentSetting>(
        instruments::ParseInstrumentSetting(bench.Meter().Address()));
    auto meter = instruments::ConnectMeter(setting, {"MEAS:CURR:DC?", kTimeouts}, {});
    EXPECT_TRUE(std::holds_alternative<std::unique_ptr<instruments::CurrentMeter>>(meter));
    return std::move(std::get<std::unique_ptr<instruments::CurrentMeter>>(meter));
  }
  std::unique_ptr<instruments::Calibrator> Calibrator() {
    const auto setting = std::get<instruments::InstrumentSetting>(
        instruments::ParseInstrumentSetting(bench.Calibrator().Address()));
    auto calibrator =
        instruments::ConnectCalibrator(setting,
                                       std::get<instruments::CommandTemplate>(
                                           instruments::CommandTemplate::Parse("SOUR:TEMP {c}")),
                                       kTimeouts);
    EXPECT_TRUE(std::holds_alternative<std::unique_ptr<instruments::Calibrator>>(calibrator));
    return std::move(std::get<std::unique_ptr<instruments::Calibrator>>(calibrator));
  }
  AdjustOutcome Adjust(OutputCheck& check, bool verify = false) {
    keep::BackupSettings settings;
    settings.model = model;
    settings.port = device.sim.Path();
    keep::DeviceBackup backup(device.link, device.reporter, store, settings);
    return check.Adjust(device.link, device.reporter, backup, verify);
  }
  // Words written to the transmitter since the last Forget.
  int WordsWritten() const {
    int written = 0;
    for (const sim::Frame& frame : device.sim.Requests())
      written += frame[sim::kCommandOffset] == sim::kWriteWord ? 1 : 0;
    return written;
  }
  CorrectionPair HeldCorrection() const {
    const sim::MemoryImage memory = device.sim.Memory();
    const auto word = [&](std::size_t address) {
      std::uint32_t value = 0;
      for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(memory[address + i]) << (8 * i);
      return std::bit_cast<float>(value);
    };
    return {word(84), word(88)};
  }

  inline static const instruments::ScpiTimeouts kTimeouts{300ms, 3000ms, {}};
  int model = 1;
  testing::DeviceBench device;
  rig::SimulatedBench bench;
  testing::ScratchFolder folder;
  keep::BackupStore store{folder.PathOf("backups")};
};

TEST(OutputCheck, AMeterThatFailsStopsTheCheckAndNothingIsWrittenToTheTransmitter) {
  const struct {
    sim::InstrumentFault fault;
    FailureKind kind;
  } cases[]{{sim::InstrumentFault::Silent(), FailureKind::kSilent},
            {sim::InstrumentFault::Garbage(), FailureKind::kNotANumber},
            {sim::InstrumentFault::Overload(), FailureKind::kOverload}};
  for (const auto& c : cases) {
    Bench bench(1, 8, 0, 100);
    OutputCheck check = bench.Start();
    auto meter = bench.Meter();
    auto calibrator = bench.Calibrator();
    TestOperator person;
    TestClock clock;
    CheckBench instruments{*calibrator, *meter, person, clock, {}};
    bench.bench.Meter().SetFault(c.fault);

    const PointTaken taken = check.MeasureNext(instruments);
    EXPECT_FALSE(taken.point);
    EXPECT_EQ(taken.stop, CheckStop::kMeter);
    ASSERT_TRUE(taken.failure);
    EXPECT_EQ(taken.failure->kind, c.kind);
    EXPECT_TRUE(check.Ended());
    EXPECT_FALSE(check.NextPoint());
    EXPECT_FALSE(check.CanAdjust());
    EXPECT_EQ(bench.Adjust(check).kind, AdjustOutcome::Kind::kRefused);
    EXPECT_EQ(check.Record().result, CheckResult::kCancelled);
    EXPECT_EQ(check.Record().stopped, CheckStop::kMeter);
    EXPECT_TRUE(check.Record().asFound.empty());
    EXPECT_EQ(bench.WordsWritten(), 0);
    EXPECT_TRUE(bench.store.List().backups.empty());
  }
}

TEST(OutputCheck, ADriftingMeterMarksThePointsUnstableAndNoCorrectionIsWritten) {
  Bench bench(1, 8, 0, 100, {1.004, 0});
  OutputCheck check = bench.Start();
  auto meter = bench.Meter();
  auto calibrator = bench.Calibrator();
  TestOperator person;
  TestClock clock;
  CheckBench instruments{*calibrator, *meter, person, clock, {}};
  bench.bench.Meter().SetFault(sim::InstrumentFault::Drift(0.01));

  while (check.NextPoint()) {
    const PointTaken taken = check.MeasureNext(instruments);
    ASSERT_TRUE(taken.point);
    EXPECT_EQ(taken.point->result, PointResult::kUnstable);
    EXPECT_FALSE(taken.point->measured);
    EXPECT_EQ(taken.point->readings.size(), 21u);  // every 0.5 s for 10 s
  }
  EXPECT_EQ(person.shown.size(), 3 * 21u);
  EXPECT_TRUE(person.asked.empty()) << "a calibrator that sets itself asks nobody";
  ASSERT_TRUE(check.CanAdjust());
  EXPECT_EQ(bench.Adjust(check).kind, AdjustOutcome::Kind::kRefused);
  EXPECT_EQ(bench.device.reporter.LastStatus(), kAdjustEndsNotSettledText);
  EXPECT_EQ(check.Finish().result, CheckResult::kFail);
  EXPECT_FALSE(check.Record().adjustment);
  EXPECT_EQ(bench.WordsWritten(), 0);
}

TEST(OutputCheck, ACancelKeepsWhatWasMeasuredAndSendsNothingMore) {
  Bench bench(1, 8, 0, 100);
  OutputCheck check = bench.Start();
  auto meter = bench.Meter();
  auto calibrator = bench.Calibrator();
  TestOperator person;
  TestClock clock;
  CheckBench instruments{*calibrator, *meter, person, clock, {}};
  ASSERT_TRUE(check.MeasureNext(instruments).point);
  const std::size_t meterLines = bench.bench.Meter().Lines().size();
  const std::size_t calibratorLines = bench.bench.Calibrator().Lines().size();

  clock.cancelled = true;
  const PointTaken taken = check.MeasureNext(instruments);
  EXPECT_EQ(taken.stop, CheckStop::kUser);
  EXPECT_FALSE(taken.failure);
  EXPECT_EQ(check.Finish().result, CheckResult::kCancelled);
  EXPECT_EQ(check.Record().stopped, CheckStop::kUser);
  EXPECT_EQ(check.Record().asFound.size(), 1u);
  EXPECT_EQ(bench.bench.Meter().Lines().size(), meterLines);
  EXPECT_EQ(bench.bench.Calibrator().Lines().size(), calibratorLines);
  EXPECT_EQ(bench.WordsWritten(), 0);
}

TEST(OutputCheck, WritesTheComposedCorrectionBehindItsBackupThenChecksAgain) {
  Bench bench(1, 8, 0, 100);
  const CorrectionPair held{1.01f, 20.0f};
  EEImage image{};
  ASSERT_EQ(config::WriteCorrectionPair(bench.device.link, bench.device.reporter, 1, held.au,
                                        held.bu, image),
            config::DeviceOutcome::kDone);
  OutputCheck check = bench.Start();
  EXPECT_FALSE(check.TakeTyped(NAN));
  for (const double current : {4.11, 12.2, 20.3})
    EXPECT_EQ(check.TakeTyped(current)->result, PointResult::kFail);
  const auto expected = ComputeAdjustment(check.Configuration(), check.Record().asFound.front(),
                                          check.Record().asFound.back(), held);
  ASSERT_TRUE(std::holds_alternative<ComputedAdjustment>(expected));

  const AdjustOutcome adjusted = bench.Adjust(check, true);
  ASSERT_EQ(adjusted.kind, AdjustOutcome::Kind::kWritten);
  ASSERT_TRUE(adjusted.verification);
  EXPECT_EQ(adjusted.verification->outcome, keep::VerifyOutcome::kVerified);
  const CorrectionPair written = std::get<ComputedAdjustment>(expected).written;
  EXPECT_EQ(bench.HeldCorrection(), written);
  EXPECT_EQ(bench.WordsWritten(), 2);
  const auto& adjustment = check.Record().adjustment;
  ASSERT_TRUE(adjustment);
  EXPECT_EQ(adjustment->before, held);
  EXPECT_EQ(adjustment->after, written);
  const auto backup = bench.store.Load(adjustment->backup);
  ASSERT_TRUE(std::holds_alternative<keep::Backup>(backup));
  EXPECT_EQ(std::get<keep::Backup>(backup).operation, config::WriteOperation::kCorrect);

  EXPECT_EQ(check.Pass(), CheckPass::kAsLeft);
  EXPECT_FALSE(check.CanAdjust());
  for (const double current : {4.001, 12.0, 19.999})
    EXPECT_EQ(check.TakeTyped(current)->result, PointResult::kPass);
  EXPECT_FALSE(check.NextPoint());
  EXPECT_FALSE(check.TakeTyped(12.0)) << "a pass of three points takes three";
  EXPECT_EQ(check.Finish().result, CheckResult::kPass);
  EXPECT_EQ(check.Record().asLeft->size(), 3u);
}

TEST(OutputCheck, ABackupThatCannotBeKeptStopsTheCorrectionBeforeAWordGoesOut) {
  Bench bench(1, 8, 0, 100);
  bench.store = keep::BackupStore(bench.folder.Write("taken", "") + "/backups");
  OutputCheck check = bench.Start();
  for (const double current : {4.11, 12.2, 20.3})
    check.TakeTyped(current);
  const AdjustOutcome adjusted = bench.Adjust(check);
  EXPECT_EQ(adjusted.kind, AdjustOutcome::Kind::kDeviceFailed);
  EXPECT_EQ(adjusted.backupFailure, keep::BackupFailure::kNotSaved);
  EXPECT_EQ(check.Record().stopped, CheckStop::kBackup);
  EXPECT_FALSE(check.Record().adjustment);
  EXPECT_EQ(bench.WordsWritten(), 0);
}

TEST(OutputCheck, Velmor7HasNoCorrectionToAdjust) {
  Bench bench(2, 8, 0, 100);
  OutputCheck check = bench.Start();
  for (const double current : {4.2, 12.2, 20.2})
    check.TakeTyped(current);
  EXPECT_FALSE(check.CanAdjust());
  EXPECT_EQ(bench.Adjust(check).kind, AdjustOutcome::Kind::kRefused);
  EXPECT_EQ(bench.WordsWritten(), 0);
  EXPECT_EQ(check.Finish().result, CheckResult::kFail);
}

TEST(OutputCheck, HoldsTheUnitToItsOwnWords) {
  Bench bench(1, 8, 0, 100);
  sim::MemoryImage memory = bench.device.sim.Memory();
  memory[28] = 16;  // the current range words say 4..16 mA
  bench.device.sim.LoadMemory(memory);
  const auto unit = ReadCheckedUnit(bench.device.link, bench.device.reporter, 1);
  ASSERT_TRUE(std::holds_alternative<CheckedUnit>(unit));
  const auto& read = std::get<CheckedUnit>(unit);
  EXPECT_EQ(read.firmware, "02.04.0017 14.03.2022");
  ASSERT_EQ(read.identity.firmware.size(), 2u);
  const auto started = OutputCheck::Start(1, read, {});
  ASSERT_TRUE(std::holds_alternative<Refusal>(started));
  EXPECT_EQ(std::get<Refusal>(started), Refusal::kCurrentRangeWords);

  bench.device.sim.SetFault(sim::Fault::SilentFrom(1));
  const auto silent = ReadCheckedUnit(bench.device.link, bench.device.reporter, 1);
  ASSERT_TRUE(std::holds_alternative<keep::BackupFailure>(silent));
  EXPECT_EQ(std::get<keep::BackupFailure>(silent), keep::BackupFailure::kNoAnswer);
}

}  // namespace
}  // namespace zelto::check
