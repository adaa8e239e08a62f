#pragma once

#include "files/file_outcome.h"

#include <memory>
#include <string>
#include <string_view>

namespace zelto::files {

class FileDescriptor;

// A file that grows a line at a time while something is watched for hours. Each line is on the
// disk before Append returns, so a crash or a power cut loses at most the line being written.
class RecordingFile {
 public:
  RecordingFile();
  ~RecordingFile();
  RecordingFile(const RecordingFile&) = delete;
  RecordingFile& operator=(const RecordingFile&) = delete;

  // Creates the file at `path` (the file system's bytes), or empties the one there. kCannotOpen
  // for an empty path, something other than a regular file (a pipe would hold the caller until
  // someone reads it), or a file that may not be written; an open recording is closed first.
  FileOutcome Open(const std::string& path);
  bool IsOpen() const;
  // Writes the line with its line end and syncs it. False when any of it failed (a full disk, a
  // file grown past what the system allows); the file is then closed, and what it holds ends
  // with the last whole line or a part of the failed one.
  bool Append(std::string_view line);
  void Close();

 private:
  std::unique_ptr<FileDescriptor> file_;
};

}  // namespace zelto::files
