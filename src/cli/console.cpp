#include "cli/console.h"

namespace zelto::cli {

void Console::Write(std::FILE* stream, std::string_view line) {
  const std::lock_guard lock(mutex_);
  std::fwrite(line.data(), 1, line.size(), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

}  // namespace zelto::cli
