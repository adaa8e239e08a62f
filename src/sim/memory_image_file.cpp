#include "sim/memory_image_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelto::sim {
namespace {

// As the system gives up on a chain of links.
constexpr int kMostLinks = 40;

// Closes a descriptor at the end of its scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0)
      close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return fd_; }
  // Closes now and tells whether the last writes made it.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names, through any symbolic links (which may lead to a file that
// does not exist yet); empty for a loop of links.
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

bool WriteAll(int fd, const MemoryImage& image) {
  std::size_t written = 0;
  while (written < image.size()) {
    const ssize_t count = write(fd, image.data() + written, image.size() - written);
    if (count < 0 && errno == EINTR)
      continue;
    if (count <= 0)
      return false;
    written += static_cast<std::size_t>(count);
  }
  return true;
}

}  // namespace

ImageFileStatus LoadMemoryImage(const std::string& path, MemoryImage& image) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0)
    return errno == ENOENT ? ImageFileStatus::kMissing : ImageFileStatus::kUnreadable;
  if (!S_ISREG(status.st_mode))
    return ImageFileStatus::kNotRegularFile;
  // Without blocking, and looked at again once open: the path may have changed meanwhile.
  const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.Get() < 0)
    return ImageFileStatus::kUnreadable;
  if (fstat(file.Get(), &status) != 0)
    return ImageFileStatus::kUnreadable;
  if (!S_ISREG(status.st_mode))
    return ImageFileStatus::kNotRegularFile;

  MemoryImage read{};
  std::array<std::uint8_t, kMemorySize + 1> buffer{};  // one more, to see a longer file
  std::size_t got = 0;
  while (got < buffer.size()) {
    const ssize_t count = ::read(file.Get(), buffer.data() + got, buffer.size() - got);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      return ImageFileStatus::kUnreadable;
    if (count == 0)
      break;
    got += static_cast<std::size_t>(count);
  }
  if (got != read.size())
    return ImageFileStatus::kWrongSize;
  std::copy_n(buffer.begin(), read.size(), read.begin());
  image = read;
  return ImageFileStatus::kLoaded;
}

bool SaveMemoryImage(const std::string& path, const MemoryImage& image) {
  const std::string file = FollowLinks(path);
  if (file.empty())
    return false;
  struct stat status {};
  const bool exists = stat(file.c_str(), &status) == 0;

  // Beside the file, so that the rename stays within one file system.
  const std::string temporary = file + ".new";
  unlink(temporary.c_str());  // one left by a run that was killed, with whatever mode it had
  Descriptor out(open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (out.Get() < 0)
    return false;
  const bool written =
      (!exists || fchmod(out.Get(), status.st_mode & 07777) == 0) && WriteAll(out.Get(), image);
  if (!out.Close() || !written || std::rename(temporary.c_str(), file.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace zelto::sim
