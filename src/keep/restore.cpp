#include "keep/restore.h"

#include "config/write_session.h"
#include "config/write_settings.h"
#include "keep/backup_texts.h"

namespace zelto::keep {

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

std::optional<UndoChoice> Restorer::FindUndo() {
  failure_ = BackupFailure::kNone;
  std::optional<Backup> changedSince;
  bool undoneWriteFound = false;
  for (const Backup& backup : store_.List().backups) {
    // A restore is undone by restoring its own backup, by id. A write that changed nothing has
    // nothing to undo: were it chosen, every undo after would choose it again.
    if (backup.operation == config::WriteOperation::kRestore || backup.model != settings_.model ||
        backup.before == backup.after) {
      continue;
    }
    if (!ReadDevice(config::AddressesOf(backup.after), kStatusCheckingDevice))
      return std::nullopt;
    if (device_.Holds(backup.after))
      return UndoChoice{backup, true};
    // Holding what a write found means the undos have walked back past it, so an older write
    // may still be the one to take back; holding neither, the device was changed since.
    if (device_.Holds(backup.before))
      undoneWriteFound = true;
    else if (!changedSince)
      changedSince = backup;
  }
  if (changedSince && !undoneWriteFound) {
    reporter_.ShowStatus(kStatusDeviceDiffers);
    return UndoChoice{*changedSince, false};
  }
  reporter_.ShowStatus(kStatusNothingToUndo);
  return std::nullopt;
}

std::optional<bool> Restorer::DeviceHolds(const Backup& backup) {
  if (!ReadDevice(config::AddressesOf(backup.after), kStatusCheckingDevice))
    return std::nullopt;
  return device_.Holds(backup.after);
}

RestoreOutcome Restorer::Restore(const Backup& backup, bool force) {
  failure_ = BackupFailure::kNone;
  if (backup.model != settings_.model) {
    reporter_.ShowStatus(kStatusOtherModelBackup);
    return RestoreOutcome::kOtherModel;
  }
  const config::WritePlan plan{config::WriteOperation::kRestore, backup.before, backup.action};
  // The reads that check the device are the restore's own backup as well.
  const auto addresses =
      settings_.enabled ? BackupAddresses(plan.words) : config::AddressesOf(backup.after);
  if (!ReadDevice(addresses, settings_.enabled ? kStatusBackingUp : kStatusCheckingDevice))
    return RestoreOutcome::kStopped;
  if (!force && !device_.Holds(backup.after)) {
    reporter_.ShowStatus(kStatusDeviceDiffers);
    return RestoreOutcome::kDeviceDiffers;
  }
  if (settings_.enabled) {
    Backup own = MakeBackup(plan, device_, settings_);
    if (!KeepBackup(store_, own, reporter_)) {
      failure_ = BackupFailure::kNotSaved;
      return RestoreOutcome::kStopped;
    }
    savedId_ = own.id;
  }

  config::WriteSession session(link_, reporter_);
  session.Begin(static_cast<int>(plan.words.size()));
  if (!session.Send(plan.words))
    return RestoreOutcome::kNoAnswer;
  session.Finish();
  if (plan.action)
    link_.DoAction(*plan.action);
  session.End();
  return RestoreOutcome::kDone;
}

}  // namespace zelto::keep
