#include "calib/ee_image_file.h"

#include "files/safe_file.h"

#include <array>
#include <cstring>

namespace zelto::calib {

files::FileOutcome SaveEEImage(const std::string& path, const EEImage& image, Reporter& reporter) {
  std::array<char, kEEImageSize> bytes{};
  std::memcpy(bytes.data(), image.data(), bytes.size());
  const files::FileOutcome outcome = files::WriteFileSafely(path, bytes);
  if (outcome != files::FileOutcome::kDone)
    reporter.ShowStatus(files::FileFailureStatus(outcome));
  return outcome;
}

}  // namespace zelto::calib
