#include "background_program.h"

#include <array>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace zelto::testing {
namespace {

// Everything left on a pipe, to its end.
std::string Drain(int fd) {
  std::string text;
  std::array<char, 4096> buffer{};
  ssize_t count = 0;
  while ((count = read(fd, buffer.data(), buffer.size())) > 0)
    text.append(buffer.data(), count);
  return text;
}

}  // namespace

BackgroundProgram::BackgroundProgram(const std::string& path,
                                     const std::vector<std::string>& arguments) {
  std::array<int, 2> outPipe{};
  std::array<int, 2> errPipe{};
  if (pipe(outPipe.data()) != 0 || pipe(errPipe.data()) != 0)
    throw std::runtime_error("pipe");
  child_ = fork();
  if (child_ < 0)
    throw std::runtime_error("fork");
  if (child_ == 0) {
    dup2(outPipe[1], STDOUT_FILENO);
    dup2(errPipe[1], STDERR_FILENO);
    for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
      close(fd);
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  out_ = outPipe[0];
  err_ = errPipe[0];
}

BackgroundProgram::~BackgroundProgram() {
  if (child_ > 0) {
    kill(child_, SIGKILL);
    waitpid(child_, nullptr, 0);
  }
  if (out_ >= 0)
    close(out_);
  if (err_ >= 0)
    close(err_);
}

std::string BackgroundProgram::ReadLine() {
  for (;;) {
    if (const auto end = outBuffer_.find('\n'); end != std::string::npos) {
      std::string line = outBuffer_.substr(0, end);
      outBuffer_.erase(0, end + 1);
      return line;
    }
    // A program that never prints fails the test after a while instead of hanging it.
    pollfd ready{out_, POLLIN, 0};
    if (poll(&ready, 1, 10000) <= 0)
      return {};
    std::array<char, 256> chunk{};
    const ssize_t count = read(out_, chunk.data(), chunk.size());
    if (count <= 0)
      return {};
    outBuffer_.append(chunk.data(), count);
  }
}

ProgramResult BackgroundProgram::Stop(int signal) {
  if (child_ > 0)
    kill(child_, signal);
  return Wait();
}

ProgramResult BackgroundProgram::Wait() {
  ProgramResult result;
  result.out = outBuffer_ + Drain(out_);
  result.err = Drain(err_);
  int status = 0;
  if (child_ > 0 && waitpid(child_, &status, 0) == child_ && WIFEXITED(status)) {
    result.exitCode = WEXITSTATUS(status);
  }
  child_ = -1;
  return result;
}

}  // namespace zelto::testing
