#include "cli/console_reporter.h"

namespace zelto::cli {

void ConsoleReporter::ShowStatus(std::string_view text) {
  output_.Status(text);
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
  lineOpen_ = false;
  if (memo_ == Memo::kErr) {
    output_.Note(line_);
    return;
  }
  if (keep_)
    kept_.push_back(line_);
  output_.Line(line_);
}

}  // namespace zelto::cli
