#include "cli/command_help.h"
#include "cli/commands.h"
#include "tool_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zelto::cli {
namespace {

// Which options each describes: the next test holds them to what the command takes.
TEST(CliProgram, TheHelpListsEveryCommandAndEachHasItsOwnAskedForAnywhereAfterIt) {
  const std::string help = RunProgram(kCli, {"--help"}).out;
  for (const Command& command : Commands()) {
    const std::string name(command.name);
    EXPECT_TRUE(help.find("\n  " + name + " ") != std::string::npos ||
                help.find("\n  " + name + "\n") != std::string::npos)
        << name;
    // Whatever else is there: nothing runs.
    for (const Lines& arguments : {Lines{name, "--help"}, Lines{"--port", "/nonexistent/port", name,
                                                                "--sensor", "1", "-h"}}) {
      const auto result = RunProgram(kCli, arguments);
      EXPECT_EQ(result.exitCode, 0) << name << "\n" << result.err;
      EXPECT_EQ(result.err, "");
      EXPECT_TRUE(result.out.starts_with("Usage: zelto-cli [OPTIONS] " + name)) << result.out;
      EXPECT_NE(result.out.find("\nExit codes:\n  0  "), std::string::npos) << result.out;
    }
  }
}

// What the help offers, the command takes: each option is read, and only the unknown one after
// it is refused.
TEST(CliProgram, EveryOptionTheHelpNamesIsOneTheCommandTakes) {
  for (const CommandHelp& help : CommandHelps()) {
    for (const OptionHelp& option : help.options) {
      if (!option.name.starts_with("--"))
        continue;
      // A table-loading model, which every command serves.
      std::vector<std::string> arguments{"--model", "1", std::string(help.name)};
      if (help.name == "calib")
        arguments.emplace_back("show");
      arguments.emplace_back(option.name);
      if (!option.value.empty())
        arguments.emplace_back("1");
      arguments.emplace_back("--unheard-of");
      const auto result = RunProgram(kCli, arguments);
      EXPECT_EQ(result.exitCode, 2) << help.name << " " << option.name;
      EXPECT_NE(result.err.find("'--unheard-of'"), std::string::npos)
          << help.name << " " << option.name << ": " << result.err;
    }
  }
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
