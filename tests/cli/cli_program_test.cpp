#include "run_program.h"

#include <gtest/gtest.h>

namespace zelto::cli {
namespace {

using zelto::testing::RunProgram;

const std::string kCli = ZELTO_CLI_PATH;

TEST(CliProgram, HelpListsEveryCommand) {
  const auto result = RunProgram(kCli, {"--help"});
  EXPECT_EQ(result.exitCode, 0);
  for (const char* command : {"ports", "identify", "read", "write", "correct", "reset-correction",
                              "memory", "tables", "calib", "monitor", "convert", "simulate"}) {
    EXPECT_NE(result.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
  }
}

TEST(CliProgram, VersionIsTheProgramVersion) {
  const auto result = RunProgram(kCli, {"--version"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "zelto-cli 01.05.0000\n");
}

TEST(CliProgram, UsageErrorsExitTwoWithOneLine) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"frobnicate"}, {"--bogus", "ports"}, {}}) {
    const auto result = RunProgram(kCli, arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.empty());
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_TRUE(result.err.starts_with("zelto-cli: ")) << result.err;
  }
}

}  // namespace
}  // namespace zelto::cli
