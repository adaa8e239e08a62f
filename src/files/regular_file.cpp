#include "files/regular_file.h"

#include "files/file_descriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace zelto::files {

bool IsSomethingElseThanAFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

bool IsAbsentOrSmallFile(const std::string& path, std::size_t maxBytes) {
  struct stat status {};
  if (lstat(path.c_str(), &status) != 0)
    return errno == ENOENT;
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         static_cast<std::size_t>(status.st_size) <= maxBytes;
}

std::optional<std::vector<char>> ReadFileStart(const std::string& path, std::size_t maxBytes,
                                               Links links) {
  // Looked at before the open, so that no device is opened at all, and again once it is open,
  // without blocking, since the path may have changed meanwhile.
  if (path.empty() || IsSomethingElseThanAFile(path))
    return std::nullopt;
  const int noFollow = links == Links::kRefuse ? O_NOFOLLOW : 0;
  const FileDescriptor file(
      open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | noFollow));
  struct stat status {};
  if (!file.IsOpen() || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
    return std::nullopt;

  std::vector<char> bytes(maxBytes);
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t count = read(file.Get(), bytes.data() + got, bytes.size() - got);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      return std::nullopt;
    if (count == 0)
      break;
    got += static_cast<std::size_t>(count);
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace zelto::files
