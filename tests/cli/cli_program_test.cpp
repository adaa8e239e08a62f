#include "cli/command_help.h"
#include "cli/commands.h"
#include "run_program.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace zelto::cli {
namespace {

using zelto::testing::RunProgram;

const std::string kCli = ZELTO_CLI_PATH;

TEST(CliProgram, HelpListsEveryCommand) {
  const auto result = RunProgram(kCli, {"--help"});
  EXPECT_EQ(result.exitCode, 0);
  for (const char* command :
       {"ports", "identify", "read", "write", "diff", "correct", "reset-correction", "memory",
        "tables", "calib", "monitor", "convert", "simulate", "backups", "restore"}) {
    const std::string entry = std::string("\n  ") + command;
    EXPECT_TRUE(result.out.find(entry + " ") != std::string::npos ||
                result.out.find(entry + "\n") != std::string::npos)
        << command;
  }
  // Qt's rule for a port name, which would otherwise surprise: ttyS0 is /dev/ttyS0.
  EXPECT_NE(result.out.find("a name without a\n"
                            "                       slash is a device under /dev"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("'zelto-cli COMMAND --help' describes one command"), std::string::npos);
}

// The options each command takes, as the tool's interface lists them.
const std::map<std::string, std::vector<std::string>> kCommandOptions{
    {"ports", {}},
    {"identify", {}},
    {"read", {"--save-profile"}},
    {"write",
     {"--profile", "--sensor", "--range", "--output", "--linear-emf", "--cold-junction", "--scheme",
      "--sqrt", "--sensor-break"}},
    {"diff", {"--profile"}},
    {"correct", {"--sensor", "--range", "--t1", "--t2", "--i1", "--i2", "--linear-emf"}},
    {"reset-correction", {}},
    {"memory", {"--save"}},
    {"tables", {}},
    {"calib", {"show", "read", "write", "clear", "clear-full", "--load", "--save"}},
    {"monitor", {"--count", "--interval", "--csv"}},
    {"convert", {"--sensor", "--temperature", "--signal"}},
    {"simulate", {"--model", "--memory", "--pace", "--count"}},
    {"backups", {}},
    {"restore", {"--force"}},
};

TEST(CliProgram, EveryCommandDescribesItsOptionsWhatItPrintsAndItsExitCodes) {
  ASSERT_EQ(Commands().size(), kCommandOptions.size());
  for (const Command& command : Commands()) {
    const std::string name(command.name);
    // Asked for anywhere after the command, whatever else is there: nothing runs.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{name, "--help"},
          std::vector<std::string>{"--port", "/nonexistent/port", name, "--sensor", "1", "-h"}}) {
      const auto result = RunProgram(kCli, arguments);
      EXPECT_EQ(result.exitCode, 0) << name << "\n" << result.err;
      EXPECT_EQ(result.err, "");
      EXPECT_TRUE(result.out.starts_with("Usage: zelto-cli [OPTIONS] " + name)) << result.out;
      for (const std::string& option : kCommandOptions.at(name))
        EXPECT_NE(result.out.find("\n  " + option), std::string::npos) << name << " " << option;
      EXPECT_NE(result.out.find("\nExit codes:\n  0  "), std::string::npos) << result.out;
    }
  }
  const auto unknown = RunProgram(kCli, {"frobnicate", "--help"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.err, "zelto-cli: unknown command 'frobnicate'\n");
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
