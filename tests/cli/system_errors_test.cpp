// What the tool makes of a device that goes away and of what the system refuses: words on
// standard error and an exit code, never an abort.
#include "sim/simulator.h"
#include "tool_test_support.h"

#include <gtest/gtest.h>

namespace zelto::cli {
namespace {

using sim::Fault;

// The tool run by a shell that first runs `setup`, with the output redirections of `redirect`.
ProgramResult RunThroughShell(const std::string& setup, const std::vector<std::string>& arguments,
                              const std::string& redirect = "") {
  return testing::RunThroughShell(kCli, setup, arguments, redirect);
}

// Descriptors 0..4 only: the standard three and two more. A limit on descriptor numbers, so
// whatever the shell got beyond them does not count, and 3 and 4 are let go first.
const std::string kFiveDescriptors = "exec 3>&- 4>&-; ulimit -n 5;";

TEST(GoneDevice, EveryDeviceCommandExitsSixWithThePortStatusLast) {
  const std::vector<Lines> commands{{"read"},    {"write", "--sensor", "11"},
                                    {"memory"},  {"tables"},
                                    {"monitor"}, {"calib", "read"}};
  for (const Lines& command : commands) {
    sim::Simulator sim(2);
    sim.SetFault(Fault::UnplugAt(2));  // identified, then gone at the first request after it
    Lines arguments{"--port", sim.Path()};
    arguments.insert(arguments.end(), command.begin(), command.end());
    const ProgramResult result = RunProgram(kCli, arguments);
    EXPECT_EQ(result.exitCode, 6) << command.front() << "\n" << result.err;
    const Lines errors = LinesOf(result.err);
    ASSERT_GE(errors.size(), 2u) << command.front();
    EXPECT_EQ(errors[errors.size() - 2], "Прибор отключен") << command.front();
    EXPECT_TRUE(errors.back().starts_with("Порт Com")) << errors.back();
    EXPECT_TRUE(errors.back().ends_with(" отключен")) << errors.back();
  }
}

TEST(SystemErrors, ASimulatorWithoutDescriptorsSaysWhyAndExitsOne) {
  const ProgramResult result = RunThroughShell(kFiveDescriptors, {"simulate"});
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_TRUE(result.err.starts_with("zelto-cli: cannot start the simulator: ")) << result.err;
  EXPECT_EQ(result.out, "");
}

TEST(SystemErrors, APortThatCannotBeOpenedForWantOfDescriptorsSaysSo) {
  sim::Simulator sim(2);
  const ProgramResult result =
      RunThroughShell(kFiveDescriptors, {"--port", sim.Path(), "identify"});
  EXPECT_EQ(result.exitCode, 6);
  const Lines errors = LinesOf(result.err);
  ASSERT_FALSE(errors.empty());
  EXPECT_TRUE(errors.back().ends_with(" не открывается: не хватает ресурсов системы"))
      << errors.back();
}

TEST(SystemErrors, OutputThatCannotBeWrittenExitsOne) {
  for (const Lines& command :
       {Lines{"convert", "--sensor", "11", "--temperature", "100"}, Lines{"--version"}}) {
    const ProgramResult result = RunThroughShell("", command, ">/dev/full");
    EXPECT_EQ(result.exitCode, 1) << command.front();
    EXPECT_TRUE(result.err.starts_with("zelto-cli: cannot write standard output")) << result.err;
  }
}

}  // namespace
}  // namespace zelto::cli
