#include "cli/console_reporter.h"

namespace zelto::cli {

void ConsoleReporter::ShowStatus(std::string_view text) {
  std::fprintf(status_, "%.*s\n", static_cast<int>(text.size()), text.data());
  std::fflush(status_);
}

void ConsoleReporter::AddMemoLine(std::string_view line) {
  FinishLine();
  line_ = line;
  lineOpen_ = true;
}

void ConsoleReporter::AppendToLastMemoLine(std::string_view text) {
  if (!lineOpen_)
    line_.clear();
  line_ += text;
  lineOpen_ = true;
}

void ConsoleReporter::FinishLine() {
  if (!lineOpen_)
    return;
  std::fprintf(memo_, "%s\n", line_.c_str());
  std::fflush(memo_);
  lineOpen_ = false;
}

}  // namespace zelto::cli
