#include "keep/device_backup.h"

#include "calib/unit_identity.h"
#include "config/memory_map.h"
#include "config/word_summary.h"
#include "keep/backup_texts.h"
#include "link/checked_reads.h"
#include "link/status_texts.h"

#include <algorithm>

namespace zelto::keep {
namespace {

constexpr int kBarFull = 100;

std::uint32_t WordValue(const config::MemoryWord& word) {
  return static_cast<std::uint32_t>(word.bytes[0]) |
         static_cast<std::uint32_t>(word.bytes[1]) << 8 |
         static_cast<std::uint32_t>(word.bytes[2]) << 16 |
         static_cast<std::uint32_t>(word.bytes[3]) << 24;
}

}  // namespace

BackupFailure DeviceWords::Read(const std::vector<std::uint16_t>& addresses, Reporter& reporter) {
  std::vector<std::uint16_t> unread;
  for (const std::uint16_t address : addresses) {
    if (!words_.contains(address) &&
        std::find(unread.begin(), unread.end(), address) == unread.end()) {
      unread.push_back(address);
    }
  }
  reporter.SetProgress(0);
  for (std::size_t i = 0; i < unread.size(); ++i) {
    const CheckedWord read = ReadWordChecked(link_, unread[i]);
    switch (read.outcome) {
      case CheckedReadOutcome::kClean:
        words_[unread[i]] = {unread[i], read.bytes};
        reporter.SetProgress(static_cast<int>((i + 1) * kBarFull / unread.size()));
        continue;
      case CheckedReadOutcome::kBadReply:
        reporter.ShowStatus(kStatusBadReply);
        return BackupFailure::kBadReply;
      case CheckedReadOutcome::kNoAnswer:
        ShowNoAnswer(link_, reporter);
        return link_.PortWentAway() ? BackupFailure::kPortGone : BackupFailure::kNoAnswer;
    }
  }
  if (unread.empty())
    reporter.SetProgress(kBarFull);
  return BackupFailure::kNone;
}

std::optional<config::MemoryWord> DeviceWords::Word(std::uint16_t address) const {
  const auto found = words_.find(address);
  if (found == words_.end())
    return std::nullopt;
  return found->second;
}

std::vector<config::MemoryWord> DeviceWords::WordsAt(
    const std::vector<config::MemoryWord>& words) const {
  std::vector<config::MemoryWord> held;
  for (const config::MemoryWord& word : words)
    held.push_back(words_.at(word.address));
  return held;
}

bool DeviceWords::Holds(const std::vector<config::MemoryWord>& words) const {
  return std::all_of(words.begin(), words.end(), [&](const config::MemoryWord& word) {
    const auto held = Word(word.address);
    return held && *held == word;
  });
}

std::vector<std::uint16_t> IdentityAddresses(int model) {
  std::vector<std::uint16_t> addresses{config::kFirmwareVersionWord, config::kFirmwareDateWord};
  const auto calibration = calib::IdentityCalibrationWords(model);
  addresses.insert(addresses.end(), calibration.begin(), calibration.end());
  return addresses;
}

std::vector<std::uint16_t> BackupAddresses(const std::vector<config::MemoryWord>& words,
                                           int model) {
  std::vector<std::uint16_t> addresses{config::kFirmwareVersionWord, config::kFirmwareDateWord};
  const auto add = [&](std::uint16_t address) {
    if (std::find(addresses.begin(), addresses.end(), address) == addresses.end())
      addresses.push_back(address);
  };
  for (const config::MemoryWord& word : config::FinalWords(words))
    add(word.address);
  for (const std::uint16_t address : calib::IdentityCalibrationWords(model))
    add(address);
  return addresses;
}

UnitIdentity IdentityOf(const DeviceWords& device, int model) {
  const auto wordAt = [&](std::uint16_t address) {
    return device.Word(address).value_or(config::MemoryWord{address, {}});
  };
  UnitIdentity unit;
  for (const std::uint16_t address : {config::kFirmwareVersionWord, config::kFirmwareDateWord})
    unit.firmware.push_back(wordAt(address));
  for (const std::uint16_t address : calib::IdentityCalibrationWords(model))
    unit.calibration.push_back(wordAt(address));
  return unit;
}

Backup MakeBackup(const config::WritePlan& plan, const DeviceWords& device,
                  const BackupSettings& settings) {
  Backup backup;
  backup.model = settings.model;
  backup.port = settings.port;
  backup.time = BackupTimeText(settings.clock());
  backup.operation = plan.operation;
  backup.action = plan.action;
  backup.changedOnly = plan.changedOnly;
  backup.after = config::FinalWords(plan.words);
  backup.before = device.WordsAt(backup.after);
  backup.unit = IdentityOf(device, settings.model);
  backup.summary = config::SummaryOfWords(settings.model, [&](std::uint16_t address) {
    const auto word = device.Word(address);
    return word ? std::optional<std::uint32_t>(WordValue(*word)) : std::nullopt;
  });
  return backup;
}

bool KeepBackup(BackupStore& store, Backup& backup, Reporter& reporter) {
  if (store.Save(backup) != BackupStore::SaveOutcome::kSaved || !store.Holds(backup.id)) {
    reporter.ShowStatus(kStatusBackupNotSaved);
    return false;
  }
  reporter.ShowStatus(BackupSavedStatus(backup.id));
  return true;
}

DeviceBackup::DeviceBackup(Link& link, Reporter& reporter, BackupStore& store,
                           BackupSettings settings)
    : link_(link), reporter_(reporter), store_(store), settings_(std::move(settings)) {}

bool DeviceBackup::Approve(config::WritePlan& plan) {
  // A plan without words has nothing to compare: only a backup reads for it.
  if (!settings_.enabled && (!settings_.changedOnly || plan.words.empty()))
    return true;
  return Read(plan) && Commit(plan);
}

bool DeviceBackup::Read(const config::WritePlan& plan) {
  failure_ = BackupFailure::kNone;
  reporter_.ShowStatus(settings_.enabled ? kStatusBackingUp : kStatusCheckingDevice);
  device_.emplace(link_);
  failure_ = device_->Read(BackupAddresses(plan.words, settings_.model), reporter_);
  if (failure_ != BackupFailure::kNone)
    return false;
  pending_ = MakeBackup(plan, *device_, settings_);
  return true;
}

bool DeviceBackup::Commit(config::WritePlan& plan) {
  if (settings_.changedOnly) {
    plan = config::ChangedWordsOnly(plan, pending_.before);
    pending_ = MakeBackup(plan, *device_, settings_);
  }
  if (!settings_.enabled || config::NothingToSend(plan))
    return true;
  if (!KeepBackup(store_, pending_, reporter_)) {
    failure_ = BackupFailure::kNotSaved;
    return false;
  }
  savedId_ = pending_.id;
  return true;
}

}  // namespace zelto::keep
