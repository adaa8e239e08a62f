#include "cli/line_input.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace zelto::cli {
namespace {

// Short enough that a cancel feels immediate.
constexpr int kPollMs = 50;

}  // namespace

std::optional<std::string> LineInput::ReadLine(const std::function<bool()>& cancelled) {
  for (;;) {
    if (const auto end = buffer_.find('\n'); end != std::string::npos) {
      std::string line = buffer_.substr(0, end);
      buffer_.erase(0, end + 1);
      if (line.ends_with('\r'))
        line.pop_back();
      return line;
    }
    if (ended_) {
      if (buffer_.empty())
        return std::nullopt;
      return std::exchange(buffer_, std::string());
    }
    if (cancelled && cancelled())
      return std::nullopt;
    pollfd ready{fd_, POLLIN, 0};
    const int polled = poll(&ready, 1, kPollMs);
    if (polled < 0 && errno != EINTR)
      ended_ = true;
    if (polled <= 0)
      continue;
    std::array<char, 256> chunk{};
    const ssize_t count = read(fd_, chunk.data(), chunk.size());
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
      continue;
    if (count <= 0)
      ended_ = true;
    else
      buffer_.append(chunk.data(), static_cast<std::size_t>(count));
  }
}

}  // namespace zelto::cli
