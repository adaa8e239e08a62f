#pragma once

#include "calib/file_outcome.h"

#include <span>
#include <string>
#include <vector>

namespace zelto::calib {

// Writes the bytes to the file at `path` (in the local file-name encoding) so that an existing
// file is replaced only once every byte is written: the bytes go to a temporary file beside it,
// which then takes its place. Through a symbolic link the link's target is replaced, and an
// existing file keeps its permissions. An empty path cannot be opened, nor one that leads to
// something other than a file (a device, a pipe, a folder).
FileOutcome WriteFileSafely(const std::string& path, std::span<const char> bytes);

// Reads at most maxBytes from the start of the file. Nothing when it cannot be opened (an
// empty path, and one that leads to something other than a file, included).
bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::vector<char>& bytes);

}  // namespace zelto::calib
