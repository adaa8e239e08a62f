#pragma once

#include <cstddef>
#include <string>

namespace zelto::files {

// A temporary file of the safe save, named so that it can be removed when the process is
// stopped before the save ends: from the moment the file is made until this goes (the file has
// then taken its final name or been removed). Paths too long to keep, and any beyond the
// kKeptTemporaryFiles made at once, are not named; an interrupted save leaves those behind.
class OwnTemporaryFile {
 public:
  explicit OwnTemporaryFile(const std::string& path);
  ~OwnTemporaryFile();
  OwnTemporaryFile(const OwnTemporaryFile&) = delete;
  OwnTemporaryFile& operator=(const OwnTemporaryFile&) = delete;

 private:
  std::size_t slot_;
};

inline constexpr std::size_t kKeptTemporaryFiles = 64;

// Removes the temporary files of the saves still going on. Async-signal-safe: for a handler of
// SIGINT or SIGTERM, which may interrupt a save in any thread. A file whose name is being set
// down or taken back at that very moment is passed over.
void RemoveOwnTemporaryFiles();

}  // namespace zelto::files
