#pragma once

#include "files/file_outcome.h"

#include <span>
#include <string>

namespace zelto::files {

// Writes the bytes to the file at `path`, whose bytes name the file as they are (the window
// passes the local file-name encoding). An existing file is replaced only once every byte is
// written: the bytes go to a temporary file beside it, under a fresh name that no existing file
// has, which then takes its place. Through a symbolic link the link's target is replaced, and an
// existing file keeps its permissions. An empty path cannot be opened, nor one that leads to
// something other than a file (a device, a pipe, a folder), nor an existing file that may not be
// written.
//
// Where the folder takes no new file but the file itself may be written, the bytes are written
// into it in place. Only there a write that fails (kWriteFailed) leaves the file neither old
// nor new.
FileOutcome WriteFileSafely(const std::string& path, std::span<const char> bytes);

enum class NewFileOutcome {
  kDone,
  kExists,  // the path is taken: nothing was written
  kFailed,  // the file could not be made or written; nothing is left behind
};

// As WriteFileSafely for a file that must be new: the bytes appear under `path` whole or not at
// all, and never in place of a file, not even one that another process makes meanwhile.
NewFileOutcome WriteNewFileSafely(const std::string& path, std::span<const char> bytes);

}  // namespace zelto::files
