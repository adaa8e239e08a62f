#include "keep/backup_store.h"

#include "config/memory_map.h"
#include "files/file_descriptor.h"
#include "files/kept_files.h"
#include "files/regular_file.h"
#include "files/safe_file.h"
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
// Ids to try before giving up on a folder that takes none of them.
constexpr int kIdTries = 1000;

// Shared by every store of the process: two threads that back up in the same millisecond on the
// same port still get two ids. Another process that does the same finds the name taken and
// takes the next.
std::atomic<int> idCounter{0};

// The port's last path component, in the letters an id may hold.
std::string PortPart(const std::string& port) {
  std::string part = port.substr(port.rfind('/') == std::string::npos ? 0 : port.rfind('/') + 1);
  for (char& c : part) {
    const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!plain && c != '-' && c != '_')
      c = '_';
  }
  return part.empty() ? "port" : part;
}

std::string IdStem(const Backup& backup) {
  const QDateTime time =
      QDateTime::fromString(QString::fromStdString(backup.time), Qt::ISODateWithMs);
  return time.toString("yyyyMMdd-HHmmss-zzz").toStdString() + "-" + PortPart(backup.port);
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

// Holds the folder's lock file, exclusively, for its life: one pruning at a time, whoever
// prunes. Without a lock file to be had it holds nothing, and a pruning that runs beside another
// at worst removes what the other removes too.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder)
      : file_(open((folder + "/" + kLockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (file_.IsOpen()) {
      while (flock(file_.Get(), LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }

 private:
  files::FileDescriptor file_;  // closing it lets the lock go
};

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
  const std::string stem = IdStem(backup);
  for (int attempt = 0; attempt < kIdTries; ++attempt) {
    backup.id = stem + "-" + std::to_string(++idCounter);
    const std::string text = BackupToJson(backup);
    switch (files::WriteNewFileSafely(PathOf(backup.id), text)) {
      case files::NewFileOutcome::kDone:
        Prune();
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

BackupStore::Listing BackupStore::List() const {
  Listing listing;
  std::error_code error;
  for (fs::directory_iterator entry(folder_, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.starts_with('.') || !name.ends_with(kExtension))
      continue;
    const std::string id = name.substr(0, name.size() - kExtension.size());
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
  if (!IsBackupId(id) || !fs::exists(fs::symlink_status(path, error)))
    return LoadFailure{true, ToolText(QT_TRANSLATE_NOOP("cli", "резервной копии %1 нет"), {id})};
  const auto bytes = files::ReadFileStart(path, kLargestFile + 1);
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
  return std::move(backup);
}

void BackupStore::Prune() const {
  const FolderLock lock(folder_);
  std::error_code error;
  int files = 0;
  for (fs::directory_iterator entry(folder_, error), end; !error && entry != end;
       entry.increment(error)) {
    files += entry->path().filename().string().ends_with(kExtension) ? 1 : 0;
  }
  // Neither group can be over its count while all of them are not.
  if (files <= keptPerGroup_)
    return;
  int configurations = 0;
  int calibrations = 0;
  for (const Backup& backup : List().backups) {
    int& kept = IsCalibrationBackup(backup) ? calibrations : configurations;
    if (kept < keptPerGroup_) {
      ++kept;
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
