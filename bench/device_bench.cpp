// The largest configuration write there is, a copper thermometer of W100 = 1.428 on a
// table-loading model (96 words), against a simulator paced at 4800 baud: the time it takes set
// beside the time its frames need on the wire, a request and a reply of twelve bytes per word;
// and the same write with the backup that goes before it (the words to be overwritten and the
// unit's identity), against the wire time of the write alone: aimed at no more than 2.25 times
// that, the backup's own frames making 2.15 (206 exchanges against 96).
#include "config/config_view.h"
#include "config/configuration_words.h"
#include "config/device_range.h"
#include "config/sensor_selection.h"
#include "config/write_sequences.h"
#include "keep/backup_store.h"
#include "keep/device_backup.h"
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

}  // namespace
}  // namespace zelto
