#pragma once

#include "link/reporter.h"

#include <string>
#include <vector>

namespace zelto::testing {

// Keeps everything reported, the memo as the window would show it.
class MemoReporter final : public Reporter {
 public:
  void ShowStatus(std::string_view text) override { statuses.emplace_back(text); }
  void ClearMemo() override {
    memo.clear();
    ++clears;
  }
  void AddMemoLine(std::string_view line) override { memo.emplace_back(line); }
  void AppendToLastMemoLine(std::string_view text) override {
    if (memo.empty())
      memo.emplace_back();
    memo.back() += text;
  }
  void SetProgress(int percent) override { progress.push_back(percent); }

  std::vector<std::string> statuses;
  std::vector<std::string> memo;
  std::vector<int> progress;
  int clears = 0;
};

}  // namespace zelto::testing
