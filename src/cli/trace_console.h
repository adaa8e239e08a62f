#pragma once

#include "cli/output.h"
#include "link/reporter.h"

namespace zelto::cli {

// Where --trace sends the window's trace lines: each memo line to standard error at once, so
// that frames and status texts keep the order they happened in. Status texts and progress are
// the main reporter's.
class TraceConsole final : public Reporter {
 public:
  explicit TraceConsole(Output& output) : output_(output) {}

  void ShowStatus(std::string_view) override {}
  void ClearMemo() override {}
  void AddMemoLine(std::string_view line) override { output_.Note(line); }
  void AppendToLastMemoLine(std::string_view text) override { AddMemoLine(text); }
  void SetProgress(int) override {}

 private:
  Output& output_;
};

}  // namespace zelto::cli
