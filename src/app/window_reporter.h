#pragma once

#include "link/reporter.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;

namespace zelto::app {

// Shows what the core reports in the window: status panel 3, the information memo and the
// transfer progress bar. The GUI thread blocks during device exchanges, so each report is
// painted at once instead of waiting for the event loop.
class WindowReporter final : public Reporter {
 public:
  WindowReporter(QLabel& statusPanel, QPlainTextEdit& memo, QProgressBar& progress)
      : statusPanel_(statusPanel), memo_(memo), progress_(progress) {}

  void ShowStatus(std::string_view text) override;
  void ClearMemo() override;
  void AddMemoLine(std::string_view line) override;
  void AppendToLastMemoLine(std::string_view text) override;
  void SetProgress(int percent) override;

 private:
  QLabel& statusPanel_;
  QPlainTextEdit& memo_;
  QProgressBar& progress_;
};

}  // namespace zelto::app
