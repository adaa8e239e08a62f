#pragma once

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
  void Out(std::string_view line) { Write(out_, line); }
  void Err(std::string_view line) { Write(err_, line); }

 private:
  void Write(std::FILE* stream, std::string_view line);

  std::FILE* out_;
  std::FILE* err_;
  std::mutex mutex_;
};

}  // namespace zelto::cli
