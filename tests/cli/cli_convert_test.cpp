#include "run_program.h"

#include <gtest/gtest.h>

namespace zelto::cli {
namespace {

using zelto::testing::RunProgram;

const std::string kCli = ZELTO_CLI_PATH;

std::string Converted(const std::vector<std::string>& arguments) {
  std::vector<std::string> full{"convert"};
  full.insert(full.end(), arguments.begin(), arguments.end());
  const auto result = RunProgram(kCli, full);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(result.err.empty()) << result.err;
  return result.out;
}

TEST(CliConvert, ThermocouplesAndResistanceThermometers) {
  EXPECT_EQ(Converted({"--sensor", "11", "--temperature", "1000"}), "41,2756\n");
  EXPECT_EQ(Converted({"--sensor", "11", "--temperature", "-200"}), "-5,8914\n");
  EXPECT_EQ(Converted({"--sensor=11", "--signal=54.138"}), "1349,9928\n");
  EXPECT_EQ(Converted({"--sensor", "12", "--temperature", "1000"}), "9,5871\n");
  EXPECT_EQ(Converted({"--sensor", "8", "--temperature", "100"}), "1,3851\n");
  EXPECT_EQ(Converted({"--sensor", "8", "--signal", "1.7586"}), "200,0124\n");
  // A table-loading model lists the same thermometers under the same codes.
  const auto result =
      RunProgram(kCli, {"--model", "1", "convert", "--sensor", "9", "--signal", "0"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "0,0000\n");
}

TEST(CliConvert, UsageErrors) {
  const std::vector<std::vector<std::string>> cases{
      {"--sensor", "15", "--temperature", "10"},  // no tables for signal inputs
      {"--sensor", "20", "--signal", "10"},
      {"--sensor", "21", "--temperature", "10"},
      {"--sensor", "-1", "--temperature", "10"},
      {"--sensor", "x", "--temperature", "10"},
      {"--temperature", "10"},                                    // no sensor
      {"--sensor", "11"},                                         // neither
      {"--sensor", "11", "--temperature", "1", "--signal", "1"},  // both
      {"--sensor", "11", "--temperature", "12,5"},  // the decimal point on the command line
      {"--sensor", "11", "--temperature", "nan"},
      {"--sensor", "11", "--temperature", "1e39"},  // beyond a float
      {"--sensor", "11", "--temperature", "1e30"},  // no finite EMF
      {"--sensor", "11", "--temperature"},
      {"--sensor", "11", "--sensor", "12", "--temperature", "1"},
      {"--sensor", "11", "--kelvin", "1"},
  };
  for (const auto& arguments : cases) {
    std::vector<std::string> full{"convert"};
    full.insert(full.end(), arguments.begin(), arguments.end());
    const auto result = RunProgram(kCli, full);
    EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(arguments);
    EXPECT_TRUE(result.out.empty());
    EXPECT_TRUE(result.err.starts_with("zelto-cli: ")) << result.err;
  }
  // Codes 9..14 are thermocouples on every model, but 15..20 only exist on Velmor-7's list.
  const auto result =
      RunProgram(kCli, {"--model", "dastra-2", "convert", "--sensor", "15", "--signal", "1"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("not in the model's sensor list"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace zelto::cli
