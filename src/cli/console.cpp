#include "cli/console.h"

namespace zelto::cli {

void Console::Out(std::string_view line) {
  // A lost line leaves a gap no later line may hide.
  if (!outFailed_ && !Write(out_, line))
    outFailed_ = true;
}

bool Console::Write(std::FILE* stream, std::string_view line) {
  const std::lock_guard lock(mutex_);
  const bool written = std::fwrite(line.data(), 1, line.size(), stream) == line.size() &&
                       std::fputc('\n', stream) != EOF;
  return std::fflush(stream) == 0 && written;
}

}  // namespace zelto::cli
