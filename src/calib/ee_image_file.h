#pragma once

#include "files/file_outcome.h"
#include "link/ee_image.h"
#include "link/reporter.h"

#include <string>

namespace zelto::calib {

// Saves the program's copy of the configuration memory as a 512-byte file, exactly as the last
// service reads left it; no device exchange. No text on success; an existing file is replaced
// only once the whole image is written, unless its folder takes no new file (WriteFileSafely).
files::FileOutcome SaveEEImage(const std::string& path, const EEImage& image, Reporter& reporter);

}  // namespace zelto::calib
