#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zelto::cli {

// Lines typed on standard input (a terminal, or a pipe from a script), read so that a stop asked
// for meanwhile is seen within a few tens of milliseconds rather than after the next Enter.
class LineInput {
 public:
  explicit LineInput(int fd = 0) : fd_(fd) {}

  // The next line without its end; nothing at the end of the input, on a read error, or once
  // `cancelled` says so. A last line without its end counts.
  std::optional<std::string> ReadLine(const std::function<bool()>& cancelled);

 private:
  int fd_;
  std::string buffer_;
  bool ended_ = false;
};

}  // namespace zelto::cli
