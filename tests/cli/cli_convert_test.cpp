#include "tool_test_support.h"

#include <gtest/gtest.h>

namespace zelto::cli {
namespace {

std::vector<std::string> Convert(const std::vector<std::string>& arguments) {
  std::vector<std::string> full{"convert"};
  full.insert(full.end(), arguments.begin(), arguments.end());
  return full;
}

TEST(CliConvert, ThermocouplesAndResistanceThermometers) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--sensor", "11", "--temperature", "1000"}, "41,2756\n"},
      {{"--sensor", "11", "--temperature", "-200"}, "-5,8914\n"},
      {{"--sensor=11", "--signal=54.138"}, "1349,9928\n"},
      {{"--sensor", "8", "--signal", "1.7586"}, "200,0124\n"},
  };
  for (const auto& [arguments, out] : cases) {
    const auto result = RunProgram(kCli, Convert(arguments));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, out);
  }
}

TEST(CliConvert, UsageErrors) {
  const std::vector<std::string> cases[] = {
      {"--sensor", "15", "--temperature", "10"},  // signal inputs have no tables
      {"--sensor", "21", "--temperature", "10"},
      {"--temperature", "10"},
      {"--sensor", "11"},
      {"--sensor", "11", "--temperature", "1", "--signal", "1"},
      {"--sensor", "11", "--temperature", "12,5"},  // the point on the command line
      {"--sensor", "11", "--temperature", "nan"},
      {"--sensor", "11", "--temperature", "1e39"},  // beyond a float
      {"--sensor", "11", "--temperature", "1e30"},  // no finite EMF
      {"--sensor", "11", "--kelvin", "1"},
  };
  for (const auto& arguments : cases) {
    const auto result = RunProgram(kCli, Convert(arguments));
    EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(arguments);
    EXPECT_TRUE(result.out.empty());
    EXPECT_TRUE(result.err.starts_with("zelto-cli: ")) << result.err;
  }
  // The table-loading models' lists end at code 14.
  const auto result =
      RunProgram(kCli, {"--model", "1", "convert", "--sensor", "15", "--signal", "1"});
  EXPECT_NE(result.err.find("такого кода нет в списке датчиков модели"), std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace zelto::cli
