// The largest configuration write there is, a copper thermometer of W100 = 1.428 on a
// table-loading model (96 words), against a simulator paced at 4800 baud: the time it takes set
// beside the time its frames need on the wire, a request and a reply of twelve bytes per word;
// and the same write with the backup that goes before it (the words to be overwritten and the
// unit's identity), against the wire time of the write alone: aimed at no more than 2.25 times
// that, the backup's own frames making 2.15 (206 exchanges against 96).
//
// Then the writes of the changed words only, each set beside its yardstick in the same
// iteration: the range edit 0..100 → 0..150 with its backup and its check, against the plain
// write of that configuration (aimed at 1.20 times: 110 reads, 2 writes and 2 read-backs against
// 96 writes); the configuration the unit holds written again with its backup, against the
// backup's reads alone (aimed at 1.02 times); and the largest write onto a unit whose
// configuration is erased, with its backup, against the same without the option (1.01 times).
#include "config/config_view.h"
#include "config/configuration_plans.h"
#include "config/configuration_words.h"
#include "config/device_range.h"
#include "config/field_assignment.h"
#include "config/sensor_selection.h"
#include "config/write_sequences.h"
#include "keep/backup_store.h"
#include "keep/device_backup.h"
#include "keep/write_verification.h"
#include "link/link.h"
#include "sim/simulator.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <stdlib.h>

namespace zelto {
namespace {

constexpr int kDastra = 1;
constexpr int kCopper53W1428 = 4;
constexpr int kBaud = 4800;
constexpr int kBitsPerByte = 11;  // 8N2 with its start bit

config::ConfigRecord CopperRecord() {
  config::ConfigRecord record;
  config::SilentConfigView view;
  config::SetDeviceOrSensor(record, config::Selection::kDevice, kDastra, 2, view);
  config::SetDeviceOrSensor(record, config::Selection::kSensor, kCopper53W1428, 2, view);
  return record;
}

// The same thermometer at 0..high, the range entered as the window's fields take it.
config::ConfigRecord CopperRecordUpTo(int high) {
  config::ConfigRecord record = CopperRecord();
  config::SilentConfigView view;
  config::AssignField(record, config::kQuantityRangeMin, 0.0f, 2, view);
  config::AssignField(record, config::kQuantityRangeMax, static_cast<float>(high), 2, view);
  return record;
}

void BM_LargestConfigurationWritePaced(benchmark::State& state) {
  sim::Simulator simulator(kDastra);
  simulator.SetPacing(kBaud);
  SilentReporter reporter;
  NoConnectionView view;
  Link link(reporter, view);
  link.SelectSpeed(kBaud);
  link.SelectPort(link.Ports().Add(simulator.Path(), "simulator"));

  config::ConfigRecord record = CopperRecord();
  config::ComputeDeviceRangeWords(record, false);
  const auto words = config::LoadingConfigurationWords(record, false).size();
  const double wireMs =
      static_cast<double>(words) * 2.0 * kFrameSize * kBitsPerByte * 1000.0 / kBaud;

  double totalMs = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (config::WriteConfiguration(link, reporter, record, kDastra, false, {}) !=
        config::DeviceOutcome::kDone) {
      state.SkipWithError("the write did not complete");
    }
    totalMs +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  const double meanMs = totalMs / static_cast<double>(state.iterations());
  state.counters["words"] = static_cast<double>(words);
  state.counters["wire_ms"] = wireMs;
  state.counters["mean_ms"] = meanMs;
  state.counters["added_pct"] = (meanMs - wireMs) / wireMs * 100.0;
}
BENCHMARK(BM_LargestConfigurationWritePaced)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A folder of the system's temporary one for the backups, removed at the end: the user's own
// backups stay out of it.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zelto-bench-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TemporaryFolder() { std::filesystem::remove_all(path_); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

void BM_LargestConfigurationWriteWithBackupPaced(benchmark::State& state) {
  sim::Simulator simulator(kDastra);
  simulator.SetPacing(kBaud);
  SilentReporter reporter;
  NoConnectionView view;
  Link link(reporter, view);
  link.SelectSpeed(kBaud);
  link.SelectPort(link.Ports().Add(simulator.Path(), "simulator"));
  const TemporaryFolder folder;
  keep::BackupStore store(folder.Path());
  keep::BackupSettings settings;
  settings.model = kDastra;
  settings.port = simulator.Path();

  config::ConfigRecord record = CopperRecord();
  config::ComputeDeviceRangeWords(record, false);
  const auto words = config::LoadingConfigurationWords(record, false);
  const double writeWireMs =
      static_cast<double>(words.size()) * 2.0 * kFrameSize * kBitsPerByte * 1000.0 / kBaud;
  const auto reads = keep::BackupAddresses(words, kDastra).size();

  double totalMs = 0;
  for (auto _ : state) {
    keep::DeviceBackup backup(link, reporter, store, settings);
    const auto start = std::chrono::steady_clock::now();
    if (config::WriteConfiguration(link, reporter, record, kDastra, false, {}, backup) !=
        config::DeviceOutcome::kDone) {
      state.SkipWithError("the write did not complete");
    }
    totalMs +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  const double meanMs = totalMs / static_cast<double>(state.iterations());
  state.counters["words"] = static_cast<double>(words.size());
  state.counters["backup_reads"] = static_cast<double>(reads);
  state.counters["write_wire_ms"] = writeWireMs;
  state.counters["mean_ms"] = meanMs;
  state.counters["times_write_wire"] = meanMs / writeWireMs;
}
BENCHMARK(BM_LargestConfigurationWriteWithBackupPaced)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A Dastra-2 simulator paced at the line rate, its port open, and backups kept in a folder of
// their own.
struct PacedDastra {
  PacedDastra() {
    simulator.SetPacing(kBaud);
    link.SelectSpeed(kBaud);
    link.SelectPort(link.Ports().Add(simulator.Path(), "simulator"));
  }
  keep::BackupSettings Backups(bool changedOnly) const {
    keep::BackupSettings settings;
    settings.changedOnly = changedOnly;
    settings.model = kDastra;
    settings.port = simulator.Path();
    return settings;
  }
  // The thermometer's configuration at 0..high, written through the guard.
  config::DeviceOutcome Write(int high, config::WriteGuard& guard) {
    config::ConfigRecord record = CopperRecordUpTo(high);
    return config::WriteConfiguration(link, reporter, record, kDastra, false, {}, guard);
  }

  sim::Simulator simulator{kDastra};
  SilentReporter reporter;
  NoConnectionView view;
  Link link{reporter, view};
  TemporaryFolder folder;
  keep::BackupStore store{folder.Path()};
};

template <class Operation>
double MillisecondsOf(const Operation& operation) {
  const auto start = std::chrono::steady_clock::now();
  operation();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// The means of the two sides over the iterations, and their ratio.
void ReportRatio(benchmark::State& state, double measuredMs, double yardstickMs,
                 const char* yardstick) {
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["mean_ms"] = measuredMs / iterations;
  state.counters[yardstick] = yardstickMs / iterations;
  state.counters["ratio"] = measuredMs / yardstickMs;
}

void BM_RangeEditChangedOnlyWithBackupAndVerifyPaced(benchmark::State& state) {
  PacedDastra bench;
  if (bench.Write(100, config::NoBackup()) != config::DeviceOutcome::kDone)
    state.SkipWithError("the unit could not be prepared");
  const sim::MemoryImage at100 = bench.simulator.Memory();
  double protectedMs = 0;
  double plainMs = 0;
  for (auto _ : state) {
    bench.simulator.LoadMemory(at100);
    protectedMs += MillisecondsOf([&] {
      keep::DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Backups(true));
      keep::VerifyingGuard verifying(backup);
      if (bench.Write(150, verifying) != config::DeviceOutcome::kDone ||
          verifying.Verify(bench.link, bench.reporter).outcome != keep::VerifyOutcome::kVerified)
        state.SkipWithError("the protected write did not complete");
    });
    bench.simulator.LoadMemory(at100);
    plainMs += MillisecondsOf([&] {
      if (bench.Write(150, config::NoBackup()) != config::DeviceOutcome::kDone)
        state.SkipWithError("the plain write did not complete");
    });
  }
  ReportRatio(state, protectedMs, plainMs, "plain_write_ms");
}
BENCHMARK(BM_RangeEditChangedOnlyWithBackupAndVerifyPaced)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_RewriteOfWhatTheUnitHoldsChangedOnlyPaced(benchmark::State& state) {
  PacedDastra bench;
  if (bench.Write(100, config::NoBackup()) != config::DeviceOutcome::kDone)
    state.SkipWithError("the unit could not be prepared");
  config::ConfigRecord record = CopperRecordUpTo(100);
  config::ComputeDeviceRangeWords(record, false);
  const config::WritePlan plan = config::ConfigurationWritePlan(record, kDastra, false, {});
  double writeMs = 0;
  double readsMs = 0;
  for (auto _ : state) {
    readsMs += MillisecondsOf([&] {
      keep::DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Backups(false));
      if (!backup.Read(plan))
        state.SkipWithError("the backup's reads did not complete");
    });
    writeMs += MillisecondsOf([&] {
      keep::DeviceBackup backup(bench.link, bench.reporter, bench.store, bench.Backups(true));
      if (bench.Write(100, backup) != config::DeviceOutcome::kDone || !backup.SavedId().empty())
        state.SkipWithError("the write sent something");
    });
  }
  ReportRatio(state, writeMs, readsMs, "backup_reads_ms");
}
BENCHMARK(BM_RewriteOfWhatTheUnitHoldsChangedOnlyPaced)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_LargestWriteOntoAnErasedUnitChangedOnlyPaced(benchmark::State& state) {
  PacedDastra bench;
  // The configuration erased, the unit's identity kept: every word differs.
  sim::MemoryImage erased = bench.simulator.Memory();
  config::ConfigRecord record = CopperRecordUpTo(100);
  config::ComputeDeviceRangeWords(record, false);
  for (const config::MemoryWord& word : config::LoadingConfigurationWords(record, false))
    std::fill_n(erased.begin() + word.address, 4, std::uint8_t{0xFF});
  double changedOnlyMs = 0;
  double everyWordMs = 0;
  bool changedOnlyFirst = true;  // taking turns, so that neither side always runs first
  for (auto _ : state) {
    for (const bool changedOnly : {changedOnlyFirst, !changedOnlyFirst}) {
      bench.simulator.LoadMemory(erased);
      (changedOnly ? changedOnlyMs : everyWordMs) += MillisecondsOf([&] {
        keep::DeviceBackup backup(bench.link, bench.reporter, bench.store,
                                  bench.Backups(changedOnly));
        if (bench.Write(100, backup) != config::DeviceOutcome::kDone)
          state.SkipWithError("the write did not complete");
      });
    }
    changedOnlyFirst = !changedOnlyFirst;
  }
  ReportRatio(state, changedOnlyMs, everyWordMs, "without_option_ms");
}
BENCHMARK(BM_LargestWriteOntoAnErasedUnitChangedOnlyPaced)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4);

}  // namespace
}  // namespace zelto
