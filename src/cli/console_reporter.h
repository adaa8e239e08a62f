#pragma once

#include "link/reporter.h"

#include <cstdio>
#include <string>

namespace zelto::cli {

// What the window shows, as the tool prints it: memo lines on standard output, each once it is
// complete (a line the window extends later is printed after the extension), and status texts
// on standard error, one per line. The tool has no memo to clear, so earlier lines stay.
class ConsoleReporter final : public Reporter {
 public:
  explicit ConsoleReporter(std::FILE* memo = stdout, std::FILE* status = stderr)
      : memo_(memo), status_(status) {}
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

 private:
  std::FILE* memo_;
  std::FILE* status_;
  std::string line_;
  bool lineOpen_ = false;
};

}  // namespace zelto::cli
