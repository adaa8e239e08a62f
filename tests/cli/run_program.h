#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace zelto::testing {

struct ProgramResult {
  int exitCode = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs a program to its end and collects what it printed on both streams.
ProgramResult RunProgram(const std::string& path, const std::vector<std::string>& arguments);

// Runs the program through /bin/sh, which first runs `setup` (a limit, a trap) and gives it the
// output redirections of `redirect` (">/dev/full"); a redirected stream collects nothing.
ProgramResult RunThroughShell(const std::string& path, const std::string& setup,
                              const std::vector<std::string>& arguments,
                              const std::string& redirect = "");

// The lines of a program's output, without their ends; an unfinished last line is left out.
std::vector<std::string> LinesOf(const std::string& text);
// The last of them, empty when there is none.
std::string LastLine(const std::string& text);
// Those of them wider than the columns, counted in characters ("°C" is two, not three).
std::vector<std::string> LinesWiderThan(const std::string& text, std::size_t columns);

// The pieces RunProgram is made of, for programs that run beside a test.
struct SpawnedProgram {
  pid_t pid = -1;
  int out = -1;  // read ends of its standard output and error
  int err = -1;
  int in = -1;  // the write end of its standard input, when it reads one from the test
};
// With `input`, its standard input is a pipe from the test; otherwise the test's own.
SpawnedProgram SpawnProgram(const std::string& path, const std::vector<std::string>& arguments,
                            bool input = false);
// Reads both pipes to their ends at once, so that neither can fill up and stall the program;
// closes them.
void DrainOutput(SpawnedProgram& program, ProgramResult& result);
// Waits for the end and records the exit code.
void WaitForExit(SpawnedProgram& program, ProgramResult& result);

}  // namespace zelto::testing
