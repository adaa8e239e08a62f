#include "keep/backup_store.h"

#include "config/memory_map.h"
#include "files/file_descriptor.h"
#include "files/kept_files.h"
#include "files/kept_ids.h"
#include "files/regular_file.h"
#include "files/safe_file.h"
#include "keep/backup_plan.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <QString>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>

namespace zelto::keep {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".json";
constexpr const char* kLockName = ".lock";
// The random letters the safe save puts after a file's name for its temporary file.
constexpr std::size_t kTemporarySuffix = 6;
// Ids to try before giving up on a folder that takes none of them.
constexpr int kIdTries = 1000;

// Shared by every store of the process: two threads that back up in the same millisecond on the
// same port still get two ids. Another process that does the same finds the name taken and
// takes the next.
std::atomic<int> idCounter{0};

std::string IdStem(const Backup& backup) {
  return files::KeptIdStem(backup.time, backup.port);
}

QDateTime InstantOf(const Backup& backup) {
  return QDateTime::fromString(QString::fromStdString(backup.time), Qt::ISODateWithMs);
}

// Of two backups of the same millisecond: the counter at the end of the id tells, a longer one
// being the larger.
bool IsLaterId(const std::string& a, const std::string& b) {
  if (a.size() != b.size())
    return a.size() > b.size();
  return a > b;
}

// Holds the folder's lock file, exclusively, for its life: one save or pruning at a time,
// whoever saves or prunes. Without a lock file to be had it holds nothing, and a pruning that
// runs beside another at worst removes what the other removes too.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder)
      : file_(open((folder + "/" + kLockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (file_.IsOpen()) {
      int locked = -1;
      while ((locked = flock(file_.Get(), LOCK_EX)) != 0 && errno == EINTR) {
      }
      held_ = locked == 0;
    }
  }
  bool Held() const { return held_; }

 private:
  files::FileDescriptor file_;  // closing it lets the lock go
  bool held_ = false;
};

// "ID.json.Ab3dE9": the temporary file a save of backup ID writes before it takes its name.
bool IsTemporaryName(std::string_view name) {
  if (name.size() <= kTemporarySuffix)
    return false;
  const std::string_view suffix = name.substr(name.size() - kTemporarySuffix);
  const bool letters = std::all_of(suffix.begin(), suffix.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  });
  const std::string stem = std::string(kExtension) + ".";
  const std::string_view file = name.substr(0, name.size() - kTemporarySuffix);
  return letters && file.ends_with(stem) && IsBackupId(file.substr(0, file.size() - stem.size()));
}

// Each time read once, not once a comparison.
void SortNewestFirst(std::vector<Backup>& backups) {
  std::vector<std::pair<std::int64_t, std::size_t>> order;
  for (std::size_t i = 0; i < backups.size(); ++i)
    order.emplace_back(InstantOf(backups[i]).toMSecsSinceEpoch(), i);
  std::sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
    if (a.first != b.first)
      return a.first > b.first;
    return IsLaterId(backups[a.second].id, backups[b.second].id);
  });
  std::vector<Backup> sorted;
  sorted.reserve(backups.size());
  for (const auto& [instant, index] : order)
    sorted.push_back(std::move(backups[index]));
  backups = std::move(sorted);
}

}  // namespace

BackupStore::BackupStore() : BackupStore(files::BackupsFolder()) {}

BackupStore::BackupStore(std::string folder, int keptPerGroup)
    : folder_(std::move(folder)), keptPerGroup_(keptPerGroup) {}

std::string BackupStore::PathOf(const std::string& id) const {
  return folder_ + "/" + id + std::string(kExtension);
}

BackupStore::SaveOutcome BackupStore::Save(Backup& backup) {
  std::error_code error;
  fs::create_directories(folder_, error);
  const FolderLock lock(folder_);
  const std::string stem = IdStem(backup);
  for (int attempt = 0; attempt < kIdTries; ++attempt) {
    backup.id = stem + "-" + std::to_string(++idCounter);
    const std::string text = BackupToJson(backup);
    switch (files::WriteNewFileSafely(PathOf(backup.id), text)) {
      case files::NewFileOutcome::kDone:
        PruneHeld(backup.id, lock.Held());
        return SaveOutcome::kSaved;
      case files::NewFileOutcome::kExists:
        continue;
      case files::NewFileOutcome::kFailed:
        break;
    }
    break;
  }
  backup.id.clear();
  return SaveOutcome::kFailed;
}

bool BackupStore::Holds(const std::string& id) const {
  std::error_code error;
  return IsBackupId(id) && fs::is_regular_file(fs::symlink_status(PathOf(id), error));
}

BackupStore::Listing BackupStore::List() const {
  Listing listing;
  std::error_code error;
  for (fs::directory_iterator entry(folder_, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.starts_with('.') || !name.ends_with(kExtension))
      continue;
    const std::string id = name.substr(0, name.size() - kExtension.size());
    if (!IsBackupId(id)) {
      listing.unreadable.push_back(name + ": its name is no backup id");
      continue;
    }
    auto loaded = Load(id);
    if (auto* backup = std::get_if<Backup>(&loaded)) {
      listing.backups.push_back(std::move(*backup));
    } else {
      listing.unreadable.push_back(name + ": " + std::get<LoadFailure>(loaded).reason);
    }
  }
  SortNewestFirst(listing.backups);
  std::sort(listing.unreadable.begin(), listing.unreadable.end());
  return listing;
}

std::variant<Backup, BackupStore::LoadFailure> BackupStore::Load(const std::string& id) const {
  const std::string path = PathOf(id);
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (!IsBackupId(id) || !fs::exists(status))
    return LoadFailure{true, ToolText(QT_TRANSLATE_NOOP("cli", "резервной копии %1 нет"), {id})};
  // A link may lead anywhere, the file of another backup included: it is no backup of the folder.
  if (fs::is_symlink(status))
    return LoadFailure{false, "a symbolic link, not a backup file"};
  const auto bytes = files::ReadFileStart(path, kLargestFile + 1, files::Links::kRefuse);
  if (!bytes)
    return LoadFailure{false, "cannot be read"};
  if (bytes->size() > kLargestFile)
    return LoadFailure{false, "too large for a backup"};
  auto parsed = BackupFromJson(*bytes);
  if (auto* reason = std::get_if<std::string>(&parsed))
    return LoadFailure{false, *reason};
  auto& backup = std::get<Backup>(parsed);
  if (backup.id != id)
    return LoadFailure{false, "it holds the backup " + backup.id};
  if (const auto fault = BackupPlanFault(backup))
    return LoadFailure{false, *fault, true};
  return std::move(backup);
}

void BackupStore::Prune() const {
  const FolderLock lock(folder_);
  PruneHeld({}, lock.Held());
}

void BackupStore::PruneHeld(const std::string& kept, bool sweepTemporaries) const {
  std::error_code error;
  int files = 0;
  std::vector<fs::path> leftovers;
  for (fs::directory_iterator entry(folder_, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    files += name.ends_with(kExtension) ? 1 : 0;
    std::error_code statusError;
    if (IsTemporaryName(name) &&
        entry->symlink_status(statusError).type() == fs::file_type::regular)
      leftovers.push_back(entry->path());
  }
  // Every save writes its temporary file under the lock: one found while holding it is an
  // interrupted save's.
  if (sweepTemporaries) {
    for (const fs::path& leftover : leftovers)
      fs::remove(leftover, error);
  }
  // Neither group can be over its count while all of them are not.
  if (files <= keptPerGroup_)
    return;
  const std::vector<Backup> backups = List().backups;
  int configurations = 0;
  int calibrations = 0;
  const auto count = [&](const Backup& backup) -> int& {
    return IsCalibrationBackup(backup) ? calibrations : configurations;
  };
  // The backup just saved counts first: its time, however far behind the others' (a clock set
  // back), never makes it the one to go.
  const auto own = std::find_if(backups.begin(), backups.end(),
                                [&](const Backup& backup) { return backup.id == kept; });
  if (own != backups.end())
    ++count(*own);
  for (const Backup& backup : backups) {
    if (backup.id == kept)
      continue;
    if (int& group = count(backup); group < keptPerGroup_) {
      ++group;
    } else {
      fs::remove(PathOf(backup.id), error);
    }
  }
}

std::string BackupTimeText(const QDateTime& time) {
  const int offsetMinutes = time.offsetFromUtc() / 60;
  const int magnitude = std::abs(offsetMinutes);
  return time.toString("yyyy-MM-dd'T'HH:mm:ss.zzz").toStdString() +
         (offsetMinutes < 0 ? "-" : "+") +
         QString("%1:%2")
             .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
             .arg(magnitude % 60, 2, 10, QLatin1Char('0'))
             .toStdString();
}

bool IsCalibrationBackup(const Backup& backup) {
  switch (backup.operation) {
    case config::WriteOperation::kCalibWrite:
    case config::WriteOperation::kCalibClear:
    case config::WriteOperation::kCalibClearFull:
      return true;
    case config::WriteOperation::kRestore:
      return std::any_of(backup.after.begin(), backup.after.end(),
                         [](const config::MemoryWord& word) {
                           return word.address == config::kCalibrationPairsWord;
                         });
    case config::WriteOperation::kWrite:
    case config::WriteOperation::kCorrect:
    case config::WriteOperation::kResetCorrection:
      break;
  }
  return false;
}

}  // namespace zelto::keep
