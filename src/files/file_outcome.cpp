#include "files/file_outcome.h"

namespace zelto::files {

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

}  // namespace zelto::files
