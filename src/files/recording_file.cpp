#include "files/recording_file.h"

#include "files/file_descriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelto::files {
namespace {

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = write(descriptor, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR)
      continue;
    if (count <= 0)
      return false;
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

// File systems without the call count as synced.
bool Synced(int descriptor) {
  return fdatasync(descriptor) == 0 || errno == EINVAL || errno == ENOTSUP;
}

}  // namespace

RecordingFile::RecordingFile() = default;
RecordingFile::~RecordingFile() = default;

FileOutcome RecordingFile::Open(const std::string& path) {
  Close();
  if (path.empty())
    return FileOutcome::kCannotOpen;
  // Not blocking, so that a pipe cannot hold the open until a reader comes; it is refused below.
  auto file = std::make_unique<FileDescriptor>(
      open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
  struct stat status {};
  if (!file->IsOpen() || fstat(file->Get(), &status) != 0 || !S_ISREG(status.st_mode))
    return FileOutcome::kCannotOpen;
  // Emptied only once it is known to be a file.
  if (ftruncate(file->Get(), 0) != 0)
    return FileOutcome::kCannotOpen;
  file_ = std::move(file);
  return FileOutcome::kDone;
}

bool RecordingFile::IsOpen() const {
  return file_ != nullptr;
}

bool RecordingFile::Append(std::string_view line) {
  if (!file_)
    return false;
  std::string whole(line);
  whole += '\n';
  if (WriteAll(file_->Get(), whole) && Synced(file_->Get()))
    return true;
  Close();
  return false;
}

void RecordingFile::Close() {
  if (file_)
    file_->Close();
  file_.reset();
}

}  // namespace zelto::files
