#include "run_program.h"

#include <algorithm>
#include <array>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace zelto::testing {

SpawnedProgram SpawnProgram(const std::string& path, const std::vector<std::string>& arguments,
                            bool input) {
  std::array<int, 2> outPipe{};
  std::array<int, 2> errPipe{};
  std::array<int, 2> inPipe{-1, -1};
  if (pipe(outPipe.data()) != 0 || pipe(errPipe.data()) != 0 || (input && pipe(inPipe.data()) != 0))
    throw std::runtime_error("pipe");

  const pid_t child = fork();
  if (child < 0)
    throw std::runtime_error("fork");
  if (child == 0) {
    dup2(outPipe[1], STDOUT_FILENO);
    dup2(errPipe[1], STDERR_FILENO);
    if (input)
      dup2(inPipe[0], STDIN_FILENO);
    for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1], inPipe[0], inPipe[1]}) {
      if (fd >= 0)
        close(fd);
    }
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  if (input)
    close(inPipe[0]);
  return {child, outPipe[0], errPipe[0], inPipe[1]};
}

void DrainOutput(SpawnedProgram& program, ProgramResult& result) {
  std::array<pollfd, 2> streams{{{program.out, POLLIN, 0}, {program.err, POLLIN, 0}}};
  std::array<std::string*, 2> sinks{&result.out, &result.err};
  int open = 0;
  for (const pollfd& stream : streams)
    open += stream.fd >= 0 ? 1 : 0;
  while (open > 0) {
    if (poll(streams.data(), streams.size(), -1) < 0)
      break;
    for (std::size_t i = 0; i < streams.size(); ++i) {
      if (streams[i].fd < 0 || streams[i].revents == 0)
        continue;
      std::array<char, 4096> buffer{};
      const ssize_t count = read(streams[i].fd, buffer.data(), buffer.size());
      if (count > 0) {
        sinks[i]->append(buffer.data(), static_cast<std::size_t>(count));
      } else {
        close(streams[i].fd);
        streams[i].fd = -1;
        --open;
      }
    }
  }
  program.out = -1;
  program.err = -1;
}

void WaitForExit(SpawnedProgram& program, ProgramResult& result) {
  int status = 0;
  if (program.pid > 0 && waitpid(program.pid, &status, 0) == program.pid && WIFEXITED(status))
    result.exitCode = WEXITSTATUS(status);
  program.pid = -1;
}

ProgramResult RunProgram(const std::string& path, const std::vector<std::string>& arguments) {
  SpawnedProgram program = SpawnProgram(path, arguments);
  ProgramResult result;
  DrainOutput(program, result);
  WaitForExit(program, result);
  return result;
}

ProgramResult RunThroughShell(const std::string& path, const std::string& setup,
                              const std::vector<std::string>& arguments,
                              const std::string& redirect) {
  std::string script = setup + " exec \"$0\"";
  for (std::size_t i = 0; i < arguments.size(); ++i)
    script += " \"${" + std::to_string(i + 1) + "}\"";
  script += " " + redirect;
  std::vector<std::string> shellArguments{"-c", script, path};
  shellArguments.insert(shellArguments.end(), arguments.begin(), arguments.end());
  return RunProgram("/bin/sh", shellArguments);
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

std::string LastLine(const std::string& text) {
  const std::vector<std::string> lines = LinesOf(text);
  return lines.empty() ? std::string() : lines.back();
}

std::vector<std::string> LinesWiderThan(const std::string& text, std::size_t columns) {
  std::vector<std::string> wide;
  for (const std::string& line : LinesOf(text)) {
    // A UTF-8 character is one byte that does not continue another.
    const auto characters = std::count_if(line.begin(), line.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    if (static_cast<std::size_t>(characters) > columns)
      wide.push_back(line);
  }
  return wide;
}

}  // namespace zelto::testing
