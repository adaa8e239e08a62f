#include "calib/safe_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace zelto::calib {
namespace {

// Whether the written bytes reached the disk: a full disk may show only now. File systems
// without the call count as synced.
bool Synced(int descriptor) {
  return fsync(descriptor) == 0 || errno == EINVAL || errno == ENOTSUP;
}

// A device, a pipe or a folder is no file to keep data in: replacing a device would put a plain
// file in its place, and opening a pipe to read waits until someone writes into it.
bool IsSomethingElseThanAFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

}  // namespace

FileOutcome WriteFileSafely(const std::string& path, std::span<const char> bytes) {
  if (path.empty() || IsSomethingElseThanAFile(path))
    return FileOutcome::kCannotOpen;
  QSaveFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::WriteOnly))
    return FileOutcome::kCannotOpen;
  const auto size = static_cast<qint64>(bytes.size());
  // The bytes wait in the file's buffer until the flush. Its failure has to be caught here:
  // commit() would close the file, see no error of its own, and put the short file in place.
  if (file.write(bytes.data(), size) != size || !file.flush() || !Synced(file.handle())) {
    file.cancelWriting();
    return FileOutcome::kWriteFailed;
  }
  return file.commit() ? FileOutcome::kDone : FileOutcome::kWriteFailed;
}

bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::vector<char>& bytes) {
  if (path.empty() || IsSomethingElseThanAFile(path))
    return false;
  QFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::ReadOnly))
    return false;
  const QByteArray read = file.read(static_cast<qint64>(maxBytes));
  bytes.assign(read.begin(), read.end());
  return true;
}

}  // namespace zelto::calib
