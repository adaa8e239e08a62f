#pragma once

#include "keep/backup.h"
#include "keep/backup_store.h"
#include "keep/device_backup.h"
#include "link/link.h"
#include "link/reporter.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::keep {

// How a restore ended.
enum class RestoreOutcome {
  kDone,           // the words are back, the closing action sent again
  kNothingToUndo,  // no backup of the model whose written words the device still holds
  kOtherModel,     // the backup is of another model: nothing read or sent
  kBadBackup,      // the backup names what its operation does not write: nothing read or sent
  kOtherUnit,      // the device is another unit of the model than the backup's: nothing sent
  kDeviceDiffers,  // the device no longer holds what the backup's operation wrote: nothing sent
  kStopped,        // the device could not be read, or the restore's own backup not kept
  kNoAnswer,       // a word of the restore got no reply; the restore stopped there
};

// The write an undo would take back.
struct UndoChoice {
  Backup backup;
  // False when the device holds neither what that write left nor what it found: changed since.
  // Restoring it then needs the user's explicit word (a forced restore).
  bool deviceHoldsIt = true;
  // False when no backup is of this unit, and the backup is another unit's whose written words
  // the device holds (a unit written alike without a backup): a forced restore as well.
  bool sameUnit = true;
  // When several backups of this unit fit and nothing tells which write this unit had (units
  // written alike from different contents): all of them, newest first, for the user to choose
  // from; `backup` is then the first. Otherwise empty.
  std::vector<Backup> candidates;
};

// The identity words the device holds after the backup's operation, if it is the backup's unit:
// the backup's identity, with the words the operation itself wrote (the calibration operations
// write some) as it wrote them. Empty for a backup without an identity.
std::vector<config::MemoryWord> IdentityAfter(const Backup& backup);

// Writes backups back. A restore first reads, with checked reads, the unit's identity and the
// words the backup's operation wrote: only the same unit (its factory calibration and firmware as
// the backup found them) that still holds them (as that operation left it) is restored. Then it
// keeps its own backup (operation "restore", unless backups are off), writes the backup's words
// back in their order, and sends the operation's closing action again. With changedOnly in the
// settings only the words the device holds otherwise than the backup found them are written
// back, cut down as every write is (config::ChangedWordsOnly); with none,
// "Прибор уже содержит эту конфигурацию" and nothing is sent or kept. The words each read are
// kept for the restorer's life: make one per restore.
class Restorer {
 public:
  Restorer(Link& link, Reporter& reporter, BackupStore& store, BackupSettings settings);

  // The undo: the newest backup of this unit of the model that is not a restore's, wrote
  // something, and whose written words the device still holds. When no backup's are held and
  // the device is not back where an undone write found it either, the newest such backup, marked
  // as not held; when the unit has no backup at all, the newest of another unit whose written
  // words it holds, marked as another unit's. Older backups of the unit that fit as well and
  // would write other words back, unless a later backup shows the unit written on from where
  // they left it, make the choice the user's ("Несколько резервных копий подходят: укажите ID").
  // Backups without an identity are restored by id only. Reads the device as far as it must;
  // nothing when there is nothing to undo ("Нет записи для отмены") or a read failed (Failure()
  // says which).
  std::optional<UndoChoice> FindUndo();

  // The backup written back. Unless `force`, another unit ("Резервная копия снята с другого
  // экземпляра прибора") and a device that does not hold what the operation wrote ("Прибор
  // содержит другую конфигурацию") are refused; a backup of another model ("Резервная копия
  // другого прибора") and one that names what its operation does not write ("Неверный формат
  // резервной копии") always are, before anything is sent.
  RestoreOutcome Restore(const Backup& backup, bool force);

  BackupFailure Failure() const { return failure_; }
  // The id of the restore's own backup; empty until one is kept.
  const std::string& SavedId() const { return savedId_; }
  // The words the last restore sent, or began to send, in order: what a check reads back.
  const std::vector<config::MemoryWord>& Written() const { return written_; }

 private:
  bool ReadDevice(const std::vector<std::uint16_t>& addresses, std::string_view status);
  bool IsThisUnit(const Backup& backup) const;
  // Of the backups (newest first) that fit besides the newest that does, those whose restore
  // could be this unit's as well.
  std::vector<Backup> Rivals(const std::vector<Backup>& fitting,
                             const std::vector<Backup>& all) const;

  Link& link_;
  Reporter& reporter_;
  BackupStore& store_;
  BackupSettings settings_;
  DeviceWords device_;
  BackupFailure failure_ = BackupFailure::kNone;
  std::string savedId_;
  std::vector<config::MemoryWord> written_;
};

}  // namespace zelto::keep
