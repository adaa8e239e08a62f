#pragma once

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string_view>

namespace zelto::cli {

// Standard output and standard error as the tool writes them: a whole line at a time, flushed
// at once, so that a script sees each line as it comes and lines printed by the runs of several
// ports never run into each other.
class Console {
 public:
  explicit Console(std::FILE* out = stdout, std::FILE* err = stderr) : out_(out), err_(err) {}
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Each adds the line end.
  void Out(std::string_view line);
  void Err(std::string_view line) { Write(err_, line); }

  // Whether standard output has refused a line (a full disk, a closed pipe); from then on no
  // line is tried there.
  bool OutFailed() const { return outFailed_; }
  // A command has told the user that its output was lost, and its exit code says so.
  void SetOutFailureShown() { outFailureShown_ = true; }
  bool OutFailureShown() const { return outFailureShown_; }

 private:
  // False when the line or its flush failed.
  bool Write(std::FILE* stream, std::string_view line);

  std::FILE* out_;
  std::FILE* err_;
  std::mutex mutex_;
  std::atomic<bool> outFailed_ = false;
  std::atomic<bool> outFailureShown_ = false;
};

}  // namespace zelto::cli
