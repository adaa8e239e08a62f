#include "check/check_store.h"

#include "check/check_record_json.h"
#include "files/kept_files.h"
#include "files/kept_ids.h"
#include "files/regular_file.h"
#include "files/safe_file.h"

#include <QDateTime>
#include <QString>

#include <algorithm>
#include <atomic>
#include <filesystem>

namespace zelto::check {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".json";
// Ids to try before giving up on a folder that takes none of them.
constexpr int kIdTries = 1000;

// Shared by every store of the process: two checks that start in the same millisecond on the
// same port still get two ids. Another process that does the same finds the name taken and
// takes the next.
std::atomic<int> idCounter{0};

std::int64_t InstantOf(const CheckRecord& record) {
  return QDateTime::fromString(QString::fromStdString(record.time), Qt::ISODateWithMs)
      .toMSecsSinceEpoch();
}

// Of two records of the same millisecond, the counter at the end of the id tells; a longer one
// is the larger.
bool IsLaterId(const std::string& a, const std::string& b) {
  if (a.size() != b.size())
    return a.size() > b.size();
  return a > b;
}

}  // namespace

CheckStore::CheckStore() : CheckStore(files::ChecksFolder()) {}

CheckStore::CheckStore(std::string folder) : folder_(std::move(folder)) {}

std::string CheckStore::PathOf(const std::string& id) const {
  return folder_ + "/" + id + std::string(kExtension);
}

bool CheckStore::Save(CheckRecord& record) const {
  std::error_code error;
  fs::create_directories(folder_, error);
  const std::string stem = files::KeptIdStem(record.time, record.port);
  for (int attempt = 0; attempt < kIdTries; ++attempt) {
    record.id = stem + "-" + std::to_string(++idCounter);
    switch (files::WriteNewFileSafely(PathOf(record.id), CheckToJson(record))) {
      case files::NewFileOutcome::kDone:
        return true;
      case files::NewFileOutcome::kExists:
        continue;
      case files::NewFileOutcome::kFailed:
        break;
    }
    break;
  }
  record.id.clear();
  return false;
}

CheckStore::Listing CheckStore::List() const {
  Listing listing;
  std::error_code error;
  for (fs::directory_iterator entry(folder_, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.starts_with('.') || !name.ends_with(kExtension))
      continue;
    const std::string id = name.substr(0, name.size() - kExtension.size());
    auto loaded = Load(id);
    if (auto* record = std::get_if<CheckRecord>(&loaded)) {
      listing.records.push_back(std::move(*record));
    } else {
      listing.unreadable.push_back(name + ": " + std::get<LoadFailure>(loaded).reason);
    }
  }
  std::vector<std::pair<std::int64_t, std::size_t>> order;
  for (std::size_t i = 0; i < listing.records.size(); ++i)
    order.emplace_back(InstantOf(listing.records[i]), i);
  std::sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
    if (a.first != b.first)
      return a.first > b.first;
    return IsLaterId(listing.records[a.second].id, listing.records[b.second].id);
  });
  std::vector<CheckRecord> sorted;
  sorted.reserve(order.size());
  for (const auto& [instant, index] : order)
    sorted.push_back(std::move(listing.records[index]));
  listing.records = std::move(sorted);
  std::sort(listing.unreadable.begin(), listing.unreadable.end());
  return listing;
}

std::variant<CheckRecord, CheckStore::LoadFailure> CheckStore::Load(const std::string& id) const {
  if (!files::IsKeptId(id))
    return LoadFailure{true, "no output check " + id};
  const std::string path = PathOf(id);
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (!fs::exists(status))
    return LoadFailure{true, "no output check " + id};
  if (fs::is_symlink(status))
    return LoadFailure{false, "a symbolic link, not a record of an output check"};
  const auto bytes = files::ReadFileStart(path, kLargestCheckFile + 1, files::Links::kRefuse);
  if (!bytes)
    return LoadFailure{false, "cannot be read"};
  if (bytes->size() > kLargestCheckFile)
    return LoadFailure{false, "too large for a record of an output check"};
  auto parsed = CheckFromJson(*bytes);
  if (auto* reason = std::get_if<std::string>(&parsed))
    return LoadFailure{false, *reason};
  auto& record = std::get<CheckRecord>(parsed);
  if (record.id != id)
    return LoadFailure{false, "it holds the output check " + record.id};
  return std::move(record);
}

}  // namespace zelto::check
