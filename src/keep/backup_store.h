#pragma once

#include "keep/backup.h"

#include <QDateTime>

#include <string>
#include <variant>
#include <vector>

namespace zelto::keep {

// The folder of backup files: one file per backup, named by its id, never replaced. Of the
// configuration operations and, apart from them, of the calibration operations, only the newest
// kKeptPerGroup backups stay, the one just saved always among them. Safe for several threads and
// processes at once: a backup is written, and the folder pruned, under the folder's lock, so that
// a temporary file found while holding it is one an interrupted save left behind.
class BackupStore {
 public:
  static constexpr int kKeptPerGroup = 200;
  // A backup file is a few kilobytes; anything far larger is no backup of ours.
  static constexpr std::size_t kLargestFile = 1 << 20;

  // The user's backups folder (BackupsFolder).
  BackupStore();
  // keptPerGroup other than kKeptPerGroup is for tests.
  explicit BackupStore(std::string folder, int keptPerGroup = kKeptPerGroup);

  const std::string& Folder() const { return folder_; }

  enum class SaveOutcome { kSaved, kFailed };
  // Gives the backup its id, made of its time, the port's last path component and a counter
  // that makes it unique, writes it as a new file (making the folder when missing), then prunes
  // the folder, keeping that file whatever the times of the others. kFailed when no file could
  // be made.
  SaveOutcome Save(Backup& backup);
  // Whether the backup of that id is a file of the folder.
  bool Holds(const std::string& id) const;

  struct Listing {
    std::vector<Backup> backups;          // newest first
    std::vector<std::string> unreadable;  // "FILE: reason", for the files that hold no backup
  };
  Listing List() const;

  // The backup of that id, or why there is none: "no backup ID" for an id no file has, or the
  // file's own fault, a symbolic link included (it is read without following links), and words
  // or an action its operation does not write (BackupPlanFault).
  struct LoadFailure {
    bool missing = false;  // no file of that id
    std::string reason;
    bool offPlan = false;  // a backup whose words its operation does not write
  };
  std::variant<Backup, LoadFailure> Load(const std::string& id) const;

  // Removes the oldest backups of each group beyond kKeptPerGroup, and the temporary files of
  // saves that never ended, under the folder's lock.
  void Prune() const;

 private:
  std::string PathOf(const std::string& id) const;
  // Prune with the folder's lock taken: the backup `kept` stays, counted among its group's, and
  // the temporary files go when the lock is held indeed.
  void PruneHeld(const std::string& kept, bool sweepTemporaries) const;

  std::string folder_;
  int keptPerGroup_;
};

// A backup's time as it is written: local time in ISO 8601 with milliseconds and the UTC offset,
// "2026-12-07T14:15:02.123+01:00".
std::string BackupTimeText(const QDateTime& time);

// Which of the two groups pruning keeps apart: the calibration operations, and a restore of one
// (the calibration pairs begin at word 32, which no configuration operation writes).
bool IsCalibrationBackup(const Backup& backup);

}  // namespace zelto::keep
