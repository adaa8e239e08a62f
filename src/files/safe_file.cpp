#include "files/safe_file.h"

#include "files/file_descriptor.h"
#include "files/regular_file.h"
#include "files/temporary_files.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelto::files {
namespace {

// As the system gives up on a chain of links.
constexpr int kMostLinks = 40;
// Fresh names to try before giving up on a folder full of them.
constexpr int kTemporaryNameTries = 100;

// Whether the written bytes reached the disk: a full disk may show only now. File systems
// without the call count as synced.
bool Synced(int descriptor) {
  return fsync(descriptor) == 0 || errno == EINVAL || errno == ENOTSUP;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names, through any symbolic links (which may lead to a file that does
// not exist yet); empty for a loop of links.
std::string FollowLinks(std::string path) {
  for (int hop = 0; hop < kMostLinks; ++hop) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
      return path;
    std::array<char, 4096> target{};
    const ssize_t length = readlink(path.c_str(), target.data(), target.size() - 1);
    if (length < 0)
      return path;
    std::string next(target.data(), static_cast<std::size_t>(length));
    path = next.starts_with('/') ? next : FolderOf(path) + "/" + next;
  }
  return {};
}

// A new file beside `file`, named after it with six random letters or digits; its descriptor,
// or -1 with errno set. Opened only when created here, so no file that exists is ever
// truncated or removed; the mode is that of a new file, which the caller may change.
int CreateTemporaryBeside(const std::string& file, std::string& temporary) {
  static constexpr std::string_view kLetters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  // The exclusive creation keeps every existing file safe; the random letters only make a
  // clash unlikely, so the clock does where the system has no random bytes to give.
  std::uint64_t seed = 0;
  if (getrandom(&seed, sizeof seed, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof seed))
    seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::mt19937_64 random(seed);
  std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    temporary = file + ".";
    for (int i = 0; i < 6; ++i)
      temporary.push_back(kLetters[letter(random)]);
    const int created =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (created >= 0 || errno != EEXIST)
      return created;
  }
  return -1;
}

bool WriteAll(int descriptor, std::span<const char> bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR)
      continue;
    if (count <= 0)
      return false;
    written += static_cast<std::size_t>(count);
  }
  return true;
}

// Why the folder took no new file. Only a folder that refuses new entries (its permissions, an
// immutable folder, a name too long for a suffix) leaves the file's own place to write into: a
// full disk or quota would most likely cut the in-place write short as well.
bool FolderRefusesNewFiles(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == ENAMETOOLONG;
}

// The bytes over an existing file, in its place. The length is cut only after the writes, so
// that new contents no longer than the old need no new room on the disk.
FileOutcome WriteInPlace(const std::string& file, std::span<const char> bytes) {
  FileDescriptor out(open(file.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat status {};
  if (!out.IsOpen() || fstat(out.Get(), &status) != 0 || !S_ISREG(status.st_mode))
    return FileOutcome::kCannotOpen;
  if (!WriteAll(out.Get(), bytes) || ftruncate(out.Get(), static_cast<off_t>(bytes.size())) != 0 ||
      !Synced(out.Get()) || !out.Close()) {
    return FileOutcome::kWriteFailed;
  }
  return FileOutcome::kDone;
}

// Gives the temporary file the name `file` unless a file has it: the check and the rename are one
// step. A file system without that rename takes a second link, which fails the same way.
NewFileOutcome TakeNewName(const std::string& temporary, const std::string& file) {
  if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, file.c_str(), RENAME_NOREPLACE) == 0)
    return NewFileOutcome::kDone;
  int error = errno;
  if (error == EINVAL || error == ENOSYS) {
    error = link(temporary.c_str(), file.c_str()) == 0 ? 0 : errno;
  }
  unlink(temporary.c_str());
  if (error == 0)
    return NewFileOutcome::kDone;
  return error == EEXIST ? NewFileOutcome::kExists : NewFileOutcome::kFailed;
}

}  // namespace

NewFileOutcome WriteNewFileSafely(const std::string& path, std::span<const char> bytes) {
  if (path.empty())
    return NewFileOutcome::kFailed;
  if (access(path.c_str(), F_OK) == 0)
    return NewFileOutcome::kExists;
  std::string temporary;
  FileDescriptor out(CreateTemporaryBeside(path, temporary));
  if (!out.IsOpen())
    return NewFileOutcome::kFailed;
  const OwnTemporaryFile own(temporary);
  const bool written = WriteAll(out.Get(), bytes) && Synced(out.Get());
  if (!out.Close() || !written) {
    unlink(temporary.c_str());
    return NewFileOutcome::kFailed;
  }
  return TakeNewName(temporary, path);
}

FileOutcome WriteFileSafely(const std::string& path, std::span<const char> bytes) {
  if (path.empty())
    return FileOutcome::kCannotOpen;
  const std::string file = FollowLinks(path);
  if (file.empty() || IsSomethingElseThanAFile(file))
    return FileOutcome::kCannotOpen;
  struct stat existing {};
  const bool exists = stat(file.c_str(), &existing) == 0;
  // The rename would replace a file its owner made read-only.
  if (exists && access(file.c_str(), W_OK) != 0)
    return FileOutcome::kCannotOpen;

  std::string temporary;
  FileDescriptor out(CreateTemporaryBeside(file, temporary));
  if (!out.IsOpen()) {
    if (exists && FolderRefusesNewFiles(errno))
      return WriteInPlace(file, bytes);
    return FileOutcome::kCannotOpen;
  }
  const OwnTemporaryFile own(temporary);
  // Nothing is buffered here: a full disk shows at a write, the sync or the close.
  const bool written = (!exists || fchmod(out.Get(), existing.st_mode & 07777) == 0) &&
                       WriteAll(out.Get(), bytes) && Synced(out.Get());
  if (!out.Close() || !written || std::rename(temporary.c_str(), file.c_str()) != 0) {
    unlink(temporary.c_str());
    return FileOutcome::kWriteFailed;
  }
  return FileOutcome::kDone;
}

}  // namespace zelto::files
