#include "app/program_options.h"

#include <gtest/gtest.h>

namespace zelto::app {
namespace {

ProgramOptions Parsed(const std::vector<std::string>& arguments) {
  const auto result = ParseProgramOptions(arguments);
  EXPECT_TRUE(std::holds_alternative<ProgramOptions>(result));
  return std::holds_alternative<ProgramOptions>(result) ? std::get<ProgramOptions>(result)
                                                        : ProgramOptions{};
}

TEST(ProgramOptions, SimulateTakesAnOptionalModel) {
  EXPECT_FALSE(Parsed({}).simulateModel);
  EXPECT_EQ(Parsed({"--simulate"}).simulateModel, 2);
  EXPECT_EQ(Parsed({"--simulate", "1"}).simulateModel, 1);
  EXPECT_EQ(Parsed({"--simulate", "dastra-2"}).simulateModel, 1);
  EXPECT_EQ(Parsed({"--simulate=0"}).simulateModel, 0);
  const ProgramOptions both = Parsed({"--simulate", "--port", "/dev/ttyUSB0"});
  EXPECT_EQ(both.simulateModel, 2);
  EXPECT_EQ(both.portPaths, std::vector<std::string>{"/dev/ttyUSB0"});
}

TEST(ProgramOptions, PortsKeepTheirOrder) {
  EXPECT_EQ(Parsed({"--port", "/dev/ttyUSB1", "--port=/dev/ttyACM0"}).portPaths,
            (std::vector<std::string>{"/dev/ttyUSB1", "/dev/ttyACM0"}));
}

TEST(ProgramOptions, RefusesWhatItDoesNotKnow) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"--port"}, {"--simulate=7"}, {"--frobnicate"}, {"/dev/ttyUSB0"}}) {
    EXPECT_TRUE(std::holds_alternative<ProgramOptionsError>(ParseProgramOptions(arguments)))
        << arguments[0];
  }
}

}  // namespace
}  // namespace zelto::app
