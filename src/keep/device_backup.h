#pragma once

#include "config/write_plan.h"
#include "keep/backup.h"
#include "keep/backup_store.h"
#include "link/link.h"
#include "link/reporter.h"

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zelto::keep {

// What the front end tells the backups about the device it writes to.
struct BackupSettings {
  bool enabled = true;  // off (--no-backup, the window's switch): nothing is kept
  // --changed-only, the window's "Записывать только изменённые слова": a write sends only the
  // words that change what the device holds, which takes the backup's reads, kept or not.
  bool changedOnly = false;
  int model = 0;     // the device position identified on the port
  std::string port;  // the port's device path
  // When the backup is taken; the tests fix it.
  std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
};

// Why a backup, or a restore's reading of the device, did not go through. Each has been shown.
enum class BackupFailure {
  kNone,
  kNoAnswer,  // "Прибор не отвечает"
  kBadReply,  // replies came, but none of three that added up: "Ошибка приема"
  kPortGone,  // the port went away; the link has said so
  kNotSaved,  // the backup file could not be written: "Резервная копия не сохранена"
};

// The device's words as checked reads give them, each address read once however often it is
// asked for.
class DeviceWords {
 public:
  explicit DeviceWords(Link& link) : link_(link) {}

  // Reads the addresses not read yet, in order, with the bar following them; stops at the first
  // that cannot be read cleanly and tells why (shown as a failed exchange shows it).
  BackupFailure Read(const std::vector<std::uint16_t>& addresses, Reporter& reporter);
  // A word read, as the device sent it.
  std::optional<config::MemoryWord> Word(std::uint16_t address) const;
  // The words at the addresses of `words`, in their order; all must have been read.
  std::vector<config::MemoryWord> WordsAt(const std::vector<config::MemoryWord>& words) const;
  // Whether the device holds every one of the words.
  bool Holds(const std::vector<config::MemoryWord>& words) const;

 private:
  Link& link_;
  std::map<std::uint16_t, config::MemoryWord> words_;
};

// The addresses of a unit's identity on the model: the firmware version and date, then the
// factory calibration words that tell its units apart.
std::vector<std::uint16_t> IdentityAddresses(int model);

// The addresses a backup of the words reads on the model: the firmware version and date for its
// summary, then each address written, once, in write order, then the unit's identity words not
// among them.
std::vector<std::uint16_t> BackupAddresses(const std::vector<config::MemoryWord>& words, int model);

// The unit's identity as the device's words give it (all of IdentityAddresses read).
UnitIdentity IdentityOf(const DeviceWords& device, int model);

// The backup of a plan from the device's words (all of BackupAddresses read), without its id;
// of the changed words only when the plan was cut down to them.
Backup MakeBackup(const config::WritePlan& plan, const DeviceWords& device,
                  const BackupSettings& settings);

// The guard of every write with backups on: before the first word goes out it reads, with
// checked reads, every word the sequence will overwrite, showing "Резервная копия. Ждите!" and
// the bar, and keeps them in one backup file; fWriting stays clear meanwhile. A backup that
// cannot be read or kept lets nothing through. With changedOnly it then cuts the plan down to
// the words that change (config::ChangedWordsOnly), and the backup holds those alone; when none
// is left to send, no backup is kept. With backups off it keeps nothing, and reads nothing
// either unless changedOnly needs the reads ("Проверка прибора. Ждите!" then).
class DeviceBackup final : public config::WriteGuard {
 public:
  DeviceBackup(Link& link, Reporter& reporter, BackupStore& store, BackupSettings settings);

  bool Approve(config::WritePlan& plan) override;

  // The two halves of Approve, for a front end that looks at what was read before it goes on:
  // the reads, with the backup of the whole plan pending; then the plan cut down (changedOnly)
  // and the backup of what is left to send kept (backups on).
  bool Read(const config::WritePlan& plan);
  const Backup& Pending() const { return pending_; }
  bool Commit(config::WritePlan& plan);

  BackupFailure Failure() const { return failure_; }
  // The id of the backup kept; empty until one is.
  const std::string& SavedId() const { return savedId_; }

 private:
  Link& link_;
  Reporter& reporter_;
  BackupStore& store_;
  BackupSettings settings_;
  std::optional<DeviceWords> device_;  // what the last Read found
  Backup pending_;
  BackupFailure failure_ = BackupFailure::kNone;
  std::string savedId_;
};

// Keeps the backup in the store, showing its id; "Резервная копия не сохранена" when it cannot,
// or when its file is not there once saved: a write goes ahead only behind a backup that exists.
bool KeepBackup(BackupStore& store, Backup& backup, Reporter& reporter);

}  // namespace zelto::keep
