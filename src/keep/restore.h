#pragma once

#include "keep/backup.h"
#include "keep/backup_store.h"
#include "keep/device_backup.h"
#include "link/link.h"
#include "link/reporter.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelto::keep {

// How a restore ended.
enum class RestoreOutcome {
  kDone,           // the words are back, the closing action sent again
  kNothingToUndo,  // no backup of the model whose written words the device still holds
  kOtherModel,     // the backup is of another model: nothing read or sent
  kDeviceDiffers,  // the device no longer holds what the backup's operation wrote: nothing sent
  kStopped,        // the device could not be read, or the restore's own backup not kept
  kNoAnswer,       // a word of the restore got no reply; the restore stopped there
};

// The write an undo would take back.
struct UndoChoice {
  Backup backup;
  // False when the device holds neither what that write left nor what it found: another unit,
  // or one changed since. Restoring it then needs the user's explicit word (a forced restore).
  bool deviceHoldsIt = true;
};

// Writes backups back. A restore first reads, with checked reads, the words the backup's
// operation wrote: only a device that still holds them (the same unit, as that operation left
// it) is restored. Then it keeps its own backup (operation "restore", unless backups are off),
// writes the backup's words back in their order, and sends the operation's closing action
// again. The words each read are kept for the restorer's life: make one per restore.
class Restorer {
 public:
  Restorer(Link& link, Reporter& reporter, BackupStore& store, BackupSettings settings);

  // The undo: the newest backup of the model that is not a restore's, wrote something, and whose
  // written words the device still holds. When no backup's are held and the device is not
  // back where an undone write found it either, the newest such backup, marked as not held.
  // Reads the device as far as it must; nothing when there is nothing to undo ("Нет записи для
  // отмены") or a read failed (Failure() says which).
  std::optional<UndoChoice> FindUndo();

  // Whether the device holds the words the backup's operation wrote; nothing when it could not
  // be read.
  std::optional<bool> DeviceHolds(const Backup& backup);

  // The backup written back. Unless `force`, a device that does not hold what the operation
  // wrote is refused with "Прибор содержит другую конфигурацию"; a backup of another model is
  // always refused, with "Резервная копия другого прибора".
  RestoreOutcome Restore(const Backup& backup, bool force);

  BackupFailure Failure() const { return failure_; }
  // The id of the restore's own backup; empty until one is kept.
  const std::string& SavedId() const { return savedId_; }

 private:
  bool ReadDevice(const std::vector<std::uint16_t>& addresses, std::string_view status);

  Link& link_;
  Reporter& reporter_;
  BackupStore& store_;
  BackupSettings settings_;
  DeviceWords device_;
  BackupFailure failure_ = BackupFailure::kNone;
  std::string savedId_;
};

}  // namespace zelto::keep
