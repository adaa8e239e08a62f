#include "files/saved_file.h"

#include "files/safe_file.h"

namespace zelto::files {

FileOutcome SaveReported(const std::string& path, std::span<const char> bytes, Reporter& reporter) {
  const FileOutcome outcome = WriteFileSafely(path, bytes);
  reporter.ShowStatus(outcome == FileOutcome::kDone ? kStatusFileWritten
                                                    : FileFailureStatus(outcome));
  return outcome;
}

}  // namespace zelto::files
