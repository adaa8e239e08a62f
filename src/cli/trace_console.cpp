#include "cli/trace_console.h"

namespace zelto::cli {

void TraceConsole::AddMemoLine(std::string_view line) {
  std::fprintf(out_, "%.*s\n", static_cast<int>(line.size()), line.data());
  std::fflush(out_);
}

}  // namespace zelto::cli
