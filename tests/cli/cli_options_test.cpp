#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace zelto::cli {
namespace {

Invocation Parsed(const std::vector<std::string>& arguments) {
  const ParseResult result = ParseCommandLine(arguments);
  const auto* invocation = std::get_if<Invocation>(&result);
  if (invocation == nullptr) {
    ADD_FAILURE() << "not an invocation";
    return {};
  }
  return *invocation;
}

std::string UsageReason(const std::vector<std::string>& arguments) {
  const ParseResult result = ParseCommandLine(arguments);
  const auto* error = std::get_if<UsageError>(&result);
  return error != nullptr ? error->reason : std::string("(accepted)");
}

TEST(CommandLine, OptionsBeforeTheCommandAndArgumentsAfterIt) {
  const Invocation invocation =
      Parsed({"--port", "/dev/pts/7", "--model=dastra-2", "--baud", "9600", "--timeout-scale",
              "0.01", "--trace", "convert", "--sensor", "11", "--temperature", "100"});
  EXPECT_EQ(invocation.options.portPath, "/dev/pts/7");
  EXPECT_EQ(invocation.options.model, 1);
  EXPECT_EQ(invocation.options.baud, 9600);
  EXPECT_DOUBLE_EQ(invocation.options.timeoutScale, 0.01);
  EXPECT_TRUE(invocation.options.trace);
  EXPECT_EQ(invocation.command, "convert");
  EXPECT_EQ(invocation.arguments,
            (std::vector<std::string>{"--sensor", "11", "--temperature", "100"}));
}

TEST(CommandLine, DefaultsAreVelmorAt4800) {
  const Invocation invocation = Parsed({"ports"});
  EXPECT_EQ(invocation.options.model, 2);
  EXPECT_EQ(invocation.options.baud, 4800);
  EXPECT_DOUBLE_EQ(invocation.options.timeoutScale, 1.0);
  EXPECT_FALSE(invocation.options.portPath);
  EXPECT_FALSE(invocation.options.comNumber);
}

TEST(CommandLine, RefusesWhatTheToolDoesNotOffer) {
  EXPECT_EQ(UsageReason({"--speed", "4800", "ports"}), "unknown option '--speed'");
  EXPECT_EQ(UsageReason({"--baud", "4801", "ports"}), "invalid value '4801' for --baud");
  EXPECT_EQ(UsageReason({"--model", "3", "ports"}), "invalid value '3' for --model");
  EXPECT_EQ(UsageReason({"--model", "Velmor-7", "ports"}), "invalid value 'Velmor-7' for --model");
  EXPECT_EQ(UsageReason({"--com", "0", "ports"}), "invalid value '0' for --com");
  EXPECT_EQ(UsageReason({"--com", "7x", "ports"}), "invalid value '7x' for --com");
  EXPECT_EQ(UsageReason({"--timeout-scale", "0,5", "ports"}),
            "invalid value '0,5' for --timeout-scale (0.01..100)");
  EXPECT_EQ(UsageReason({"--port"}), "option --port needs a value");
  EXPECT_EQ(UsageReason({}), "no command given (see --help)");
}

// Beyond these the time-out arithmetic overflows or every time-out rounds to nothing.
TEST(CommandLine, TimeoutScaleStaysWhereTheTimeoutsMeanSomething) {
  for (const char* scale : {"0.01", "1", "2.5", "100"})
    EXPECT_EQ(UsageReason({"--timeout-scale", scale, "ports"}), "(accepted)") << scale;
  for (const char* scale : {"0", "-1", "0.009", "100.5", "3e5", "1e-4", "nan", "inf"}) {
    EXPECT_EQ(UsageReason({"--timeout-scale", scale, "ports"}),
              "invalid value '" + std::string(scale) + "' for --timeout-scale (0.01..100)");
  }
}

TEST(CommandLine, HelpAndVersionWinOverTheRest) {
  EXPECT_EQ(std::get<InfoRequest>(ParseCommandLine({"--model", "1", "--help"})),
            InfoRequest::kHelp);
  EXPECT_EQ(std::get<InfoRequest>(ParseCommandLine({"--version"})), InfoRequest::kVersion);
}

TEST(CommandLine, StrictNumbers) {
  EXPECT_EQ(ParseInteger("-50"), -50);
  EXPECT_FALSE(ParseInteger(""));
  EXPECT_FALSE(ParseInteger("12 "));
  EXPECT_FALSE(ParseInteger("99999999999"));
  EXPECT_EQ(ParseReal("12.5"), 12.5);
  EXPECT_EQ(ParseReal("-1e3"), -1000.0);
  EXPECT_FALSE(ParseReal("12,5"));
  EXPECT_FALSE(ParseReal("1.2.3"));
}

}  // namespace
}  // namespace zelto::cli
