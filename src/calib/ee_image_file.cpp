#include "calib/ee_image_file.h"

#include "calib/safe_file.h"

#include <array>
#include <cstring>

namespace zelto::calib {

FileOutcome SaveEEImage(const std::string& path, const EEImage& image, Reporter& reporter) {
  std::array<char, kEEImageSize> bytes{};
  std::memcpy(bytes.data(), image.data(), bytes.size());
  const FileOutcome outcome = WriteFileSafely(path, bytes);
  if (outcome != FileOutcome::kDone)
    reporter.ShowStatus(FileFailureStatus(outcome));
  return outcome;
}

}  // namespace zelto::calib
