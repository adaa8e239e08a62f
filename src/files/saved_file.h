#pragma once

#include "files/file_outcome.h"
#include "link/reporter.h"

#include <span>
#include <string>

namespace zelto::files {

// Writes the bytes through the safe save (WriteFileSafely) and says in the status how it went:
// "Файл записан", or why not.
FileOutcome SaveReported(const std::string& path, std::span<const char> bytes, Reporter& reporter);

}  // namespace zelto::files
