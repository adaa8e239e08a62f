#pragma once

#include <string>
#include <vector>

namespace zelto::testing {

struct ProgramResult {
  int exitCode = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs a program to its end and collects what it printed on both streams.
ProgramResult RunProgram(const std::string& path, const std::vector<std::string>& arguments);

}  // namespace zelto::testing
