#include "keep/restore.h"

#include "config/device_outcome.h"
#include "config/write_session.h"
#include "config/write_settings.h"
#include "keep/backup_plan.h"
#include "keep/backup_texts.h"

#include <algorithm>

namespace zelto::keep {
namespace {

using config::MemoryWord;

std::vector<MemoryWord> UnitWords(const UnitIdentity& unit) {
  std::vector<MemoryWord> words = unit.firmware;
  words.insert(words.end(), unit.calibration.begin(), unit.calibration.end());
  return words;
}

const MemoryWord* WordAt(const std::vector<MemoryWord>& words, std::uint16_t address) {
  const auto found = std::find_if(words.begin(), words.end(),
                                  [&](const MemoryWord& word) { return word.address == address; });
  return found == words.end() ? nullptr : &*found;
}

bool ShareAnAddress(const std::vector<MemoryWord>& a, const std::vector<MemoryWord>& b) {
  return std::any_of(a.begin(), a.end(),
                     [&](const MemoryWord& word) { return WordAt(b, word.address) != nullptr; });
}

// Whether a write found at least one of the words another left, and all it found of them as
// they were left.
bool FoundAsLeft(const std::vector<MemoryWord>& found, const std::vector<MemoryWord>& left) {
  bool shared = false;
  for (const MemoryWord& word : found) {
    if (const MemoryWord* same = WordAt(left, word.address)) {
      if (same->bytes != word.bytes)
        return false;
      shared = true;
    }
  }
  return shared;
}

// Whether a later backup (`all` newest first) shows a unit like the backup's written on from
// where the backup's write left it: that write is then no longer the last one it had.
bool WrittenOnSince(const Backup& backup, const std::vector<Backup>& all) {
  const std::vector<MemoryWord> identity = IdentityAfter(backup);
  for (const Backup& later : all) {
    if (later.id == backup.id)
      return false;
    if (later.model == backup.model && later.unit && UnitWords(*later.unit) == identity &&
        FoundAsLeft(later.before, backup.after)) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<MemoryWord> IdentityAfter(const Backup& backup) {
  if (!backup.unit)
    return {};
  std::vector<MemoryWord> words = UnitWords(*backup.unit);
  for (MemoryWord& word : words) {
    if (const MemoryWord* written = WordAt(backup.after, word.address))
      word = *written;
  }
  return words;
}

Restorer::Restorer(Link& link, Reporter& reporter, BackupStore& store, BackupSettings settings)
    : link_(link),
      reporter_(reporter),
      store_(store),
      settings_(std::move(settings)),
      device_(link) {}

bool Restorer::ReadDevice(const std::vector<std::uint16_t>& addresses, std::string_view status) {
  reporter_.ShowStatus(status);
  failure_ = device_.Read(addresses, reporter_);
  return failure_ == BackupFailure::kNone;
}

bool Restorer::IsThisUnit(const Backup& backup) const {
  return device_.Holds(IdentityAfter(backup));
}

std::vector<Backup> Restorer::Rivals(const std::vector<Backup>& fitting,
                                     const std::vector<Backup>& all) const {
  const Backup& newest = fitting.front();
  std::vector<Backup> rivals;
  for (auto backup = fitting.begin() + 1; backup != fitting.end(); ++backup) {
    const bool writesTheSame = backup->before == newest.before && backup->after == newest.after;
    if (!writesTheSame && !WrittenOnSince(*backup, all))
      rivals.push_back(*backup);
  }
  return rivals;
}

std::optional<UndoChoice> Restorer::FindUndo() {
  failure_ = BackupFailure::kNone;
  const std::vector<Backup> all = store_.List().backups;
  // A restore is undone by restoring its own backup, by id. A write that changed nothing has
  // nothing to undo: were it chosen, every undo after would choose it again. A backup without
  // an identity could be any unit's.
  std::vector<Backup> undoable;
  std::copy_if(all.begin(), all.end(), std::back_inserter(undoable), [&](const Backup& backup) {
    return backup.operation != config::WriteOperation::kRestore &&
           backup.model == settings_.model && backup.before != backup.after && backup.unit;
  });
  if (undoable.empty()) {
    reporter_.ShowStatus(kStatusNothingToUndo);
    return std::nullopt;
  }
  if (!ReadDevice(IdentityAddresses(settings_.model), kStatusCheckingDevice))
    return std::nullopt;

  std::vector<Backup> fitting;
  std::optional<Backup> changedSince;
  bool undoneWriteFound = false;
  bool anyOfThisUnit = false;
  for (const Backup& backup : undoable) {
    if (!IsThisUnit(backup))
      continue;
    anyOfThisUnit = true;
    // Past the newest that fits, only a backup of some of its words can stand beside it.
    if (!fitting.empty() && !ShareAnAddress(backup.after, fitting.front().after))
      continue;
    if (!ReadDevice(config::AddressesOf(backup.after), kStatusCheckingDevice))
      return std::nullopt;
    if (device_.Holds(backup.after)) {
      fitting.push_back(backup);
    } else if (fitting.empty()) {
      // Holding what a write found means the undos have walked back past it, so an older write
      // may still be the one to take back; holding neither, the device was changed since.
      if (device_.Holds(backup.before))
        undoneWriteFound = true;
      else if (!changedSince)
        changedSince = backup;
    }
  }
  if (!fitting.empty()) {
    std::vector<Backup> rivals = Rivals(fitting, all);
    if (rivals.empty())
      return UndoChoice{fitting.front(), true, true, {}};
    rivals.insert(rivals.begin(), fitting.front());
    reporter_.ShowStatus(kStatusSeveralBackupsFit);
    return UndoChoice{fitting.front(), true, true, std::move(rivals)};
  }
  if (changedSince && !undoneWriteFound) {
    reporter_.ShowStatus(kStatusDeviceDiffers);
    return UndoChoice{*changedSince, false, true, {}};
  }
  if (!anyOfThisUnit) {
    for (const Backup& backup : undoable) {
      if (!ReadDevice(config::AddressesOf(backup.after), kStatusCheckingDevice))
        return std::nullopt;
      if (device_.Holds(backup.after)) {
        reporter_.ShowStatus(kStatusOtherUnitBackup);
        return UndoChoice{backup, true, false, {}};
      }
    }
  }
  reporter_.ShowStatus(kStatusNothingToUndo);
  return std::nullopt;
}

RestoreOutcome Restorer::Restore(const Backup& backup, bool force) {
  failure_ = BackupFailure::kNone;
  written_.clear();
  if (backup.model != settings_.model) {
    reporter_.ShowStatus(kStatusOtherModelBackup);
    return RestoreOutcome::kOtherModel;
  }
  if (BackupPlanFault(backup)) {
    reporter_.ShowStatus(kStatusBadBackup);
    return RestoreOutcome::kBadBackup;
  }
  config::WritePlan plan{config::WriteOperation::kRestore, backup.before, backup.action};
  // The reads that check the device are the restore's own backup as well.
  std::vector<std::uint16_t> addresses;
  if (settings_.enabled) {
    addresses = BackupAddresses(plan.words, settings_.model);
  } else {
    addresses = config::AddressesOf(backup.after);
    if (backup.unit) {
      const auto identity = IdentityAddresses(settings_.model);
      addresses.insert(addresses.end(), identity.begin(), identity.end());
    }
  }
  if (!ReadDevice(addresses, settings_.enabled ? kStatusBackingUp : kStatusCheckingDevice))
    return RestoreOutcome::kStopped;
  if (!force && backup.unit && !IsThisUnit(backup)) {
    reporter_.ShowStatus(kStatusOtherUnitBackup);
    return RestoreOutcome::kOtherUnit;
  }
  if (!force && !device_.Holds(backup.after)) {
    reporter_.ShowStatus(kStatusDeviceDiffers);
    return RestoreOutcome::kDeviceDiffers;
  }
  if (settings_.changedOnly)
    plan = config::ChangedWordsOnly(plan, device_.WordsAt(plan.words));
  if (config::NothingToSend(plan)) {
    reporter_.ShowStatus(config::kStatusAlreadyHeld);
    return RestoreOutcome::kDone;
  }
  if (settings_.enabled) {
    Backup own = MakeBackup(plan, device_, settings_);
    // A part of a plan's words, put back, is a part of that plan's words again.
    own.changedOnly = own.changedOnly || backup.changedOnly;
    if (!KeepBackup(store_, own, reporter_)) {
      failure_ = BackupFailure::kNotSaved;
      return RestoreOutcome::kStopped;
    }
    savedId_ = own.id;
  }

  config::WriteSession session(link_, reporter_);
  session.Begin(static_cast<int>(plan.words.size()));
  written_ = plan.words;
  if (!session.Send(plan.words))
    return RestoreOutcome::kNoAnswer;
  session.Finish();
  if (plan.action)
    link_.DoAction(*plan.action);
  session.End();
  return RestoreOutcome::kDone;
}

}  // namespace zelto::keep
