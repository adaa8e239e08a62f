#include "calib/safe_file.h"

#include <QFile>
#include <QSaveFile>

namespace zelto::calib {

std::string_view FileFailureStatus(FileOutcome outcome) {
  switch (outcome) {
    case FileOutcome::kCannotOpen:
      return kStatusFileOpenError;
    case FileOutcome::kWriteFailed:
      return kStatusFileWriteError;
    case FileOutcome::kBadFormat:
      return kStatusFileFormatError;
    case FileOutcome::kDone:
      break;
  }
  return {};
}

FileOutcome WriteFileSafely(const std::string& path, std::span<const char> bytes) {
  if (path.empty())
    return FileOutcome::kCannotOpen;
  QSaveFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::WriteOnly))
    return FileOutcome::kCannotOpen;
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    file.cancelWriting();
    return FileOutcome::kWriteFailed;
  }
  // The bytes reach the disk only here; a full disk shows now, and the old file stays.
  return file.commit() ? FileOutcome::kDone : FileOutcome::kWriteFailed;
}

bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::vector<char>& bytes) {
  if (path.empty())
    return false;
  QFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::ReadOnly))
    return false;
  const QByteArray read = file.read(static_cast<qint64>(maxBytes));
  bytes.assign(read.begin(), read.end());
  return true;
}

}  // namespace zelto::calib
