#include "background_program.h"

#include <array>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace zelto::testing {

BackgroundProgram::BackgroundProgram(const std::string& path,
                                     const std::vector<std::string>& arguments, bool input)
    : program_(SpawnProgram(path, arguments, input)) {}

BackgroundProgram::~BackgroundProgram() {
  if (program_.pid > 0) {
    kill(program_.pid, SIGKILL);
    waitpid(program_.pid, nullptr, 0);
  }
  for (int fd : {program_.out, program_.err, program_.in}) {
    if (fd >= 0)
      close(fd);
  }
}

void BackgroundProgram::WriteInput(const std::string& text) {
  if (program_.in >= 0 && write(program_.in, text.data(), text.size()) < 0)
    throw std::runtime_error("write to the program's input");
}

std::string BackgroundProgram::ReadLine() {
  for (;;) {
    if (const auto end = outBuffer_.find('\n'); end != std::string::npos) {
      std::string line = outBuffer_.substr(0, end);
      outBuffer_.erase(0, end + 1);
      return line;
    }
    // A program that never prints fails the test after a while instead of hanging it.
    pollfd ready{program_.out, POLLIN, 0};
    if (poll(&ready, 1, 10000) <= 0)
      return {};
    std::array<char, 256> chunk{};
    const ssize_t count = read(program_.out, chunk.data(), chunk.size());
    if (count <= 0)
      return {};
    outBuffer_.append(chunk.data(), count);
  }
}

ProgramResult BackgroundProgram::Stop(int signal) {
  if (program_.pid > 0)
    kill(program_.pid, signal);
  return Wait();
}

ProgramResult BackgroundProgram::Wait() {
  if (program_.in >= 0) {
    close(program_.in);
    program_.in = -1;
  }
  ProgramResult result;
  result.out = outBuffer_;
  DrainOutput(program_, result);
  WaitForExit(program_, result);
  return result;
}

}  // namespace zelto::testing
