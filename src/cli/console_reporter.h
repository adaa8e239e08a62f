#pragma once

#include "cli/output.h"
#include "link/reporter.h"

#include <string>
#include <vector>

namespace zelto::cli {

// What the window shows, as the tool prints it: memo lines on standard output, each once it is
// complete (a line the window extends later is printed after the extension), and status texts
// on standard error, one per line. The tool has no memo to clear, so earlier lines stay. With
// --json the memo lines are kept for the command's object instead.
class ConsoleReporter final : public Reporter {
 public:
  // Where the memo lines go: standard output, or standard error for an operation whose memo
  // holds nothing but its trace.
  enum class Memo { kOut, kErr };

  explicit ConsoleReporter(Output& output, Memo memo = Memo::kOut) : output_(output), memo_(memo) {}
  ~ConsoleReporter() override { FinishLine(); }
  ConsoleReporter(const ConsoleReporter&) = delete;
  ConsoleReporter& operator=(const ConsoleReporter&) = delete;

  void ShowStatus(std::string_view text) override;
  void ClearMemo() override { FinishLine(); }
  void AddMemoLine(std::string_view line) override;
  void AppendToLastMemoLine(std::string_view text) override;
  void SetProgress(int) override {}

  // Prints the line still open, if any.
  void FinishLine();
  // From now on keeps the memo lines completed, for a command whose object lists them.
  void KeepLines() { keep_ = true; }
  const std::vector<std::string>& KeptLines() const { return kept_; }

 private:
  Output& output_;
  Memo memo_;
  std::string line_;
  bool lineOpen_ = false;
  bool keep_ = false;
  std::vector<std::string> kept_;
};

}  // namespace zelto::cli
