#pragma once

#include <string_view>

namespace zelto {

// Where core operations tell the user what happened. The window shows these in status panel 3,
// the information memo and the progress bar; the command-line tool prints them. Core code never
// touches a widget: it reports through this and takes the window's switches as arguments.
class Reporter {
 public:
  virtual ~Reporter() = default;

  // The one-line outcome of an operation ("Порт открыт", "Прибор не отвечает").
  virtual void ShowStatus(std::string_view text) = 0;

  virtual void ClearMemo() = 0;
  virtual void AddMemoLine(std::string_view line) = 0;
  // Extends the memo's last line (the firmware date after the version, for example).
  virtual void AppendToLastMemoLine(std::string_view text) = 0;

  // Block-transfer progress, 0..100.
  virtual void SetProgress(int percent) = 0;
};

// Swallows every report; for operations whose caller wants none.
class SilentReporter final : public Reporter {
 public:
  void ShowStatus(std::string_view) override {}
  void ClearMemo() override {}
  void AddMemoLine(std::string_view) override {}
  void AppendToLastMemoLine(std::string_view) override {}
  void SetProgress(int) override {}
};

}  // namespace zelto
