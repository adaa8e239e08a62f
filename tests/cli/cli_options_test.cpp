#include "cli/cli_options.h"

#include <gtest/gtest.h>
#include <optional>

namespace zelto::cli {
namespace {

using Arguments = std::vector<std::string>;

Invocation Parsed(const Arguments& arguments) {
  const ParseResult result = ParseCommandLine(arguments);
  const auto* invocation = std::get_if<Invocation>(&result);
  if (invocation == nullptr) {
    const auto* usage = std::get_if<BadUsage>(&result);
    ADD_FAILURE() << "not an invocation: " << (usage ? usage->reason : "help or version");
    return {};
  }
  return *invocation;
}

std::string UsageReason(const Arguments& arguments) {
  const ParseResult result = ParseCommandLine(arguments);
  const auto* error = std::get_if<BadUsage>(&result);
  return error != nullptr ? error->reason : std::string("(accepted)");
}

TEST(CommandLine, OptionsBeforeTheCommandAndItsOwnAfterIt) {
  const Invocation invocation =
      Parsed({"--port", "/dev/pts/7", "--model=dastra-2", "--baud", "9600", "--timeout-scale",
              "0.01", "--trace", "--json", "--verify", "--no-backup", "--changed-only", "write",
              "--sensor", "11", "--range=-50..600", "--linear-emf"});
  EXPECT_EQ(invocation.options.portPaths, Arguments{"/dev/pts/7"});
  EXPECT_EQ(invocation.options.model, 1);
  EXPECT_TRUE(invocation.options.modelGiven);
  EXPECT_EQ(invocation.options.baud, 9600);
  EXPECT_DOUBLE_EQ(invocation.options.timeoutScale, 0.01);
  EXPECT_TRUE(invocation.options.trace);
  EXPECT_TRUE(invocation.options.json);
  EXPECT_TRUE(invocation.options.verify);
  EXPECT_FALSE(invocation.options.backup);
  EXPECT_TRUE(invocation.options.changedOnly);
  EXPECT_EQ(invocation.command, "write");
  EXPECT_EQ(invocation.values,
            (OptionValues{{"--sensor", "11"}, {"--range", "-50..600"}, {"--linear-emf", ""}}));
}

TEST(CommandLine, EachPortOnceInTheOrderGiven) {
  const Invocation ports = Parsed({"--port", "/dev/pts/3", "--port=ttyUSB0", "--com", "4", "--port",
                                   "/dev/pts/1", "--com", "2", "read"});
  EXPECT_EQ(ports.options.portPaths, (Arguments{"/dev/pts/3", "ttyUSB0", "/dev/pts/1"}));
  EXPECT_EQ(ports.options.comNumbers, (std::vector<int>{4, 2}));
  // A value given twice counts where it is last, as it always has.
  EXPECT_EQ(Parsed({"--model", "0", "--model", "1", "read"}).options.model, 1);
}

TEST(CommandLine, WordsAfterTheCommandAreItsOwnEvenWhenTheyNameAnotherCommand) {
  const Invocation calib = Parsed({"calib", "--save", "read.bin", "read"});
  EXPECT_EQ(calib.command, "calib");
  EXPECT_EQ(calib.operands, Arguments{"read"});
  EXPECT_EQ(calib.values, (OptionValues{{"--save", "read.bin"}}));
  EXPECT_EQ(Parsed({"restore", "20261207-141502-123-ttyUSB0-1", "--force"}).operands,
            Arguments{"20261207-141502-123-ttyUSB0-1"});
  EXPECT_EQ(UsageReason({"read", "write"}), "лишний аргумент 'write' команды read");
}

TEST(CommandLine, RefusesWhatTheToolDoesNotOffer) {
  EXPECT_EQ(UsageReason({"--speed", "4800", "ports"}), "неизвестный параметр '--speed'");
  EXPECT_EQ(UsageReason({"frobnicate"}), "неизвестная команда 'frobnicate'");
  EXPECT_EQ(UsageReason({"--baud", "4801", "ports"}), "недопустимое значение '4801' для --baud");
  EXPECT_EQ(UsageReason({"--model", "3", "ports"}), "недопустимое значение '3' для --model");
  EXPECT_EQ(UsageReason({"--model", "Velmor-7", "ports"}),
            "недопустимое значение 'Velmor-7' для --model");
  EXPECT_EQ(UsageReason({"--com", "0", "ports"}), "недопустимое значение '0' для --com");
  EXPECT_EQ(UsageReason({"--com", "7x", "ports"}), "недопустимое значение '7x' для --com");
  EXPECT_EQ(UsageReason({"--port=", "read"}), "параметру --port нужно значение");
  EXPECT_EQ(UsageReason({"--port"}), "параметру --port нужно значение");
  EXPECT_EQ(UsageReason({}), "команда не указана (см. --help)");
  // The command's own.
  EXPECT_EQ(UsageReason({"memory", "--keep"}), "неизвестный параметр '--keep' команды memory");
  EXPECT_EQ(UsageReason({"memory", "--save=x", "--save", "y"}), "параметр --save указан дважды");
  EXPECT_EQ(UsageReason({"write", "--sqrt", "--sqrt"}), "параметр --sqrt указан дважды");
  EXPECT_EQ(UsageReason({"memory", "--save"}), "параметру --save нужно значение");
  EXPECT_EQ(UsageReason({"write", "--sensor", "--range", "0..100"}),
            "параметру --sensor нужно значение");
  EXPECT_EQ(UsageReason({"identify", "extra"}), "лишний аргумент 'extra' команды identify");
  // The options before the command belong there.
  EXPECT_EQ(UsageReason({"read", "--port", "/dev/pts/1"}),
            "неизвестный параметр '--port' команды read");
}

// The reasons are put into words in the language --lang asks for, so the parse tells it first,
// whatever went wrong and wherever --lang stands among the options.
TEST(CommandLine, TellsTheLanguageAskedForBeforeItSaysAnything) {
  struct Row {
    Arguments arguments;
    std::optional<InterfaceLanguage> language;
  };
  const Row rows[] = {
      {{"--lang", "en", "--baud", "4801", "ports"}, InterfaceLanguage::kEnglish},
      {{"--baud", "4801", "--lang=ru", "ports"}, InterfaceLanguage::kRussian},
      {{"--lang", "en", "frobnicate", "--help"}, InterfaceLanguage::kEnglish},
      {{"--lang", "en", "--lang", "xx", "ports"}, InterfaceLanguage::kEnglish},
      {{"--baud", "4801", "ports"}, std::nullopt},
      {{"--lang", "en", "ports"}, InterfaceLanguage::kEnglish},
  };
  for (const Row& row : rows) {
    int told = 0;
    std::optional<InterfaceLanguage> asked;
    ParseCommandLine(row.arguments, [&](std::optional<InterfaceLanguage> language) {
      ++told;
      asked = language;
    });
    EXPECT_EQ(told, 1) << row.arguments[1];
    EXPECT_EQ(asked, row.language) << row.arguments[1];
  }
}

TEST(CommandLine, AUsageErrorKnowsWhetherJsonWasAskedFor) {
  const ParseResult result = ParseCommandLine({"--json", "--baud", "1", "read"});
  ASSERT_TRUE(std::holds_alternative<BadUsage>(result));
  EXPECT_TRUE(std::get<BadUsage>(result).json);
  EXPECT_FALSE(std::get<BadUsage>(ParseCommandLine({"--baud", "1", "read"})).json);
}

// Beyond these the time-out arithmetic overflows or every time-out rounds to nothing.
TEST(CommandLine, TimeoutScaleStaysWhereTheTimeoutsMeanSomething) {
  for (const char* scale : {"0.01", "1", "2.5", "100"})
    EXPECT_EQ(UsageReason({"--timeout-scale", scale, "ports"}), "(accepted)") << scale;
  for (const char* scale : {"0", "-1", "0.009", "100.5", "3e5", "1e-4", "nan", "inf", "0,5"}) {
    EXPECT_EQ(UsageReason({"--timeout-scale", scale, "ports"}),
              "недопустимое значение '" + std::string(scale) + "' для --timeout-scale (0.01..100)");
  }
}

TEST(CommandLine, HelpAndVersionWinOverTheRest) {
  EXPECT_EQ(std::get<HelpRequest>(ParseCommandLine({"--model", "1", "--help"})).command, "");
  EXPECT_EQ(
      std::get<HelpRequest>(ParseCommandLine({"--baud", "1", "write", "--bogus", "-h"})).command,
      "write");
  EXPECT_TRUE(std::holds_alternative<VersionRequest>(ParseCommandLine({"--version"})));
  // Unless the command it would describe is none.
  EXPECT_EQ(UsageReason({"frobnicate", "--help"}), "неизвестная команда 'frobnicate'");
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
