#include "sim/memory_image_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelto::sim {
namespace {

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

 private:
  int fd_;
};

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

}  // namespace zelto::sim
