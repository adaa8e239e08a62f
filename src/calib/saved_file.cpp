#include "calib/saved_file.h"

#include "calib/safe_file.h"

namespace zelto::calib {

FileOutcome SaveReported(const std::string& path, std::span<const char> bytes, Reporter& reporter) {
  const FileOutcome outcome = WriteFileSafely(path, bytes);
  reporter.ShowStatus(outcome == FileOutcome::kDone ? kStatusFileWritten
                                                    : FileFailureStatus(outcome));
  return outcome;
}

}  // namespace zelto::calib
