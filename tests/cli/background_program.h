#pragma once

#include "run_program.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace zelto::testing {

// A program that runs beside the test (a simulator, say) until the test stops it.
class BackgroundProgram {
 public:
  // With `input`, its standard input is a pipe the test writes to (WriteInput).
  BackgroundProgram(const std::string& path, const std::vector<std::string>& arguments,
                    bool input = false);
  ~BackgroundProgram();  // kills it if still running
  BackgroundProgram(const BackgroundProgram&) = delete;
  BackgroundProgram& operator=(const BackgroundProgram&) = delete;

  // Sends the text to its standard input.
  void WriteInput(const std::string& text);
  // The next line of its standard output, without the line end; empty when it ends first.
  std::string ReadLine();
  // Sends the signal and waits for the end; what it printed besides the lines read.
  ProgramResult Stop(int signal);
  // Waits for an end the program reaches by itself.
  ProgramResult Wait();

 private:
  SpawnedProgram program_;
  std::string outBuffer_;
};

}  // namespace zelto::testing
