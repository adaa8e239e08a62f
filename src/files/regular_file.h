#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zelto::files {

// Paths are the file system's bytes, taken as they are: a name that is not valid in the user's
// encoding still names its own file and no other.

// Whether the path leads to something that exists and is no regular file: a folder, a pipe, a
// device. Such a thing is never read or replaced as a file: opening a pipe to read waits until
// someone writes into it, a device may never end, and replacing either would put a plain file
// in its place.
bool IsSomethingElseThanAFile(const std::string& path);

// Whether the path leads to nothing at all, or to a regular file of at most maxBytes: what a
// file the program reads and later replaces by itself may be. A link that leads nowhere is
// neither.
bool IsAbsentOrSmallFile(const std::string& path, std::size_t maxBytes);

// Whether a path's last component may be a symbolic link to the file to read.
enum class Links { kFollow, kRefuse };

// At most maxBytes from the start of a regular file. Nothing when the path is empty, leads to
// something else than a regular file (with Links::kRefuse: is a symbolic link itself), or the
// file cannot be opened or read. Never waits on what is at the other end of the path.
std::optional<std::vector<char>> ReadFileStart(const std::string& path, std::size_t maxBytes,
                                               Links links = Links::kFollow);

}  // namespace zelto::files
