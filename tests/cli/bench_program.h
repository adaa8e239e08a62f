// zelto-cli simulate --bench beside a test, and the three paths it prints.
#pragma once

#include "background_program.h"
#include "tool_test_support.h"

#include <string>
#include <vector>

namespace zelto::cli {

struct BenchProgram {
  // The arguments after "simulate --bench"; the model is Dastra-2.
  explicit BenchProgram(std::vector<std::string> arguments)
      : program(kCli,
                [&] {
                  arguments.insert(arguments.begin(), {"--model", "1", "simulate", "--bench"});
                  return arguments;
                }()),
        transmitter(program.ReadLine()),
        meter(program.ReadLine()),
        calibrator(program.ReadLine()) {}

  testing::BackgroundProgram program;
  std::string transmitter;
  std::string meter;
  std::string calibrator;
};

}  // namespace zelto::cli
