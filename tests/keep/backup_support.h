#pragma once

#include "calib/calibration_transfers.h"
#include "config/write_sequences.h"
#include "device_test_support.h"
#include "keep/backup_store.h"
#include "keep/device_backup.h"
#include "keep/restore.h"
#include "scratch_folder.h"

#include <QTimeZone>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zelto::testing {

inline constexpr int kTableModel = 0;
inline constexpr int kDastra = 1;
inline constexpr int kVelmor = 2;

// A memory that has seen use: no word a write leaves is likely to hold it already.
inline sim::MemoryImage UsedMemory() {
  sim::MemoryImage memory{};
  for (std::size_t i = 0; i < memory.size(); ++i)
    memory[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return memory;
}

// The same memory in another unit of the model: the factory calibration differs (word 48 is a
// reference word of the table-loading models and the gain Ar of Velmor-7).
inline sim::MemoryImage AnotherUnit(sim::MemoryImage memory) {
  memory[48] ^= 0x5A;
  return memory;
}

// Every backup of the tests is taken at this time; of two, the later has the larger counter.
inline const QDateTime kBackupTime(QDate(2026, 12, 7), QTime(14, 15, 2, 123), QTimeZone(3600));

// A simulated device with a used memory, its port open, and backups kept in a fresh folder.
struct BackupBench : DeviceBench {
  explicit BackupBench(int model) : DeviceBench(model), model(model) {
    sim.LoadMemory(UsedMemory());
  }

  keep::BackupSettings Settings(bool enabled = true) const {
    keep::BackupSettings settings;
    settings.enabled = enabled;
    settings.model = model;
    settings.port = sim.Path();
    settings.clock = [] { return kBackupTime; };
    return settings;
  }
  keep::Backup Load(const std::string& id) const {
    auto loaded = store.Load(id);
    if (auto* backup = std::get_if<keep::Backup>(&loaded))
      return *backup;
    ADD_FAILURE() << "no backup " << id << ": "
                  << std::get<keep::BackupStore::LoadFailure>(loaded).reason;
    return {};
  }
  keep::RestoreOutcome Restore(const keep::Backup& backup, bool force = false) {
    keep::Restorer restorer(link, reporter, store, Settings());
    return restorer.Restore(backup, force);
  }
  // The undo: the backup it chose and how its restore ended, or nothing when it chose none.
  std::optional<std::pair<keep::Backup, keep::RestoreOutcome>> Undo() {
    keep::Restorer restorer(link, reporter, store, Settings());
    const auto choice = restorer.FindUndo();
    if (!choice)
      return std::nullopt;
    return std::make_pair(choice->backup, restorer.Restore(choice->backup, false));
  }

  int model;
  ScratchFolder folder;
  keep::BackupStore store{folder.PathOf("backups")};
};

// The calibration block no clear would leave.
inline calib::CalibBlock DistinctBlock() {
  calib::CalibBlock block;
  for (std::size_t i = 0; i < block.Pairs.size(); ++i)
    block.Pairs[i] = 2.5f + static_cast<float>(i);
  for (std::size_t i = 0; i < block.Ref.size(); ++i)
    block.Ref[i] = static_cast<std::uint16_t>(1000 + 111 * i);
  return block;
}

// A record with the correction points of a two-point correction the rules accept.
inline config::ConfigRecord CorrectionRecord(int model) {
  config::ConfigRecord record = Configured(model, 11);  // type K
  SetRange(record, 0, 1000);
  config::SilentConfigView view;
  config::AssignField(record, config::kQuantityTmpFull, 900.0f, 2, view);
  config::AssignField(record, config::kQuantityTmpZero, 100.0f, 2, view);
  config::AssignField(record, config::kQuantityZero, 5.7f, 2, view);
  config::AssignField(record, config::kQuantityFull, 18.2f, 2, view);
  return record;
}

// One writing operation as the window or the tool runs it, through a guard; true when it went
// through to its end.
struct WritingOperation {
  std::string name;
  int model;
  config::WriteOperation operation;
  std::function<bool(SimulatedLink&, config::WriteGuard&)> run;

  friend void PrintTo(const WritingOperation& c, std::ostream* out) { *out << c.name; }
};

inline std::vector<WritingOperation> WritingOperations() {
  using config::DeviceOutcome;
  using config::WriteOperation;
  using Guard = config::WriteGuard;
  const std::string suffixes[] = {"TableModel", "Dastra", "Velmor"};
  std::vector<WritingOperation> operations;
  const auto write = [&](std::string name, int model, int sensor, bool lineFunc,
                         config::VelmorSwitches switches) {
    operations.push_back({std::move(name), model, config::WriteOperation::kWrite,
                          [=](SimulatedLink& bench, Guard& guard) {
                            config::ConfigRecord record = Configured(model, sensor);
                            return config::WriteConfiguration(bench.link, bench.reporter, record,
                                                              model, lineFunc, switches, guard) ==
                                   config::DeviceOutcome::kDone;
                          }});
  };
  write("WriteCopperTableModel", kTableModel, 4, false, {});
  write("WriteTypeKLinearDastra", kDastra, 11, true, {});
  write("WriteVelmor", kVelmor, 9, false, {true, 1, false, 2, true});
  for (const int model : {kTableModel, kDastra}) {
    const std::string& suffix = suffixes[model];
    operations.push_back({"Correct" + suffix, model, config::WriteOperation::kCorrect,
                          [=](SimulatedLink& bench, Guard& guard) {
                            config::ConfigRecord record = CorrectionRecord(model);
                            EEImage image{};
                            return config::WriteCorrection(bench.link, bench.reporter, record,
                                                           model, false, {}, image,
                                                           guard) == config::DeviceOutcome::kDone;
                          }});
    operations.push_back(
        {"ResetCorrection" + suffix, model, config::WriteOperation::kResetCorrection,
         [=](SimulatedLink& bench, Guard& guard) {
           config::ConfigRecord record = CorrectionRecord(model);
           config::SilentConfigView view;
           return config::ResetCorrection(bench.link, bench.reporter, record, model, 2, view,
                                          guard) == config::DeviceOutcome::kDone;
         }});
  }
  for (const int model : {kTableModel, kDastra, kVelmor}) {
    config::ConfigRecord device;
    device.Device = static_cast<std::uint8_t>(model);
    const std::string& suffix = suffixes[model];
    operations.push_back({"CalibWrite" + suffix, model, config::WriteOperation::kCalibWrite,
                          [=](SimulatedLink& bench, Guard& guard) {
                            return calib::WriteCalibration(bench.link, DistinctBlock(), model,
                                                           false, bench.reporter,
                                                           guard) == ServiceOutcome::kDone;
                          }});
    operations.push_back({"CalibClear" + suffix, model, config::WriteOperation::kCalibClear,
                          [=](SimulatedLink& bench, Guard& guard) {
                            return calib::ClearCalibration(bench.link, device, bench.reporter,
                                                           guard) == ServiceOutcome::kDone;
                          }});
    operations.push_back({"CalibClearFull" + suffix, model, config::WriteOperation::kCalibClearFull,
                          [=](SimulatedLink& bench, Guard& guard) {
                            calib::CalibBlock block{};
                            return calib::ClearCalibrationFull(bench.link, block, device, model,
                                                               false, bench.reporter,
                                                               guard) == ServiceOutcome::kDone;
                          }});
  }
  return operations;
}

inline bool OnlyReads(const std::vector<std::string>& sent) {
  return std::all_of(sent.begin(), sent.end(),
                     [](const std::string& s) { return s.starts_with("R "); });
}

// The addresses the device saw written, each once where first written.
inline std::vector<std::uint16_t> WrittenAddresses(const sim::Simulator& simulator) {
  std::vector<std::uint16_t> addresses;
  for (const sim::Frame& frame : simulator.Requests()) {
    const auto address = sim::AddressOf(frame);
    if (frame[sim::kCommandOffset] == sim::kWriteWord &&
        std::find(addresses.begin(), addresses.end(), address) == addresses.end()) {
      addresses.push_back(address);
    }
  }
  return addresses;
}

}  // namespace zelto::testing
