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

// A terminal of the usual 80 columns shows every help line whole.
TEST(CliProgram, EveryHelpLineFitsEightyColumns) {
  std::vector<Lines> helps{{"--help"}};
  for (const Command& command : Commands())
    helps.push_back({std::string(command.name), "--help"});
  for (const Lines& arguments : helps) {
    const auto result = RunProgram(kCli, arguments);
    EXPECT_EQ(result.exitCode, 0) << arguments.front();
    EXPECT_EQ(testing::LinesWiderThan(result.out, 80), Lines{}) << arguments.front();
  }
}

// The reasons follow the interface's language: Russian by default (the tests run in the C
// locale), English with --lang en; the exit code is the same.
TEST(CliProgram, UsageErrorsSpeakTheInterfacesLanguage) {
  struct Row {
    Lines arguments;
    const char* russian;
    const char* english;
  };
  const Row rows[] = {
      {{"--baud", "4801", "ports"},
       "недопустимое значение '4801' для --baud",
       "invalid value '4801' for --baud"},
      {{"frobnicate"}, "неизвестная команда 'frobnicate'", "unknown command 'frobnicate'"},
      {{"memory", "--keep"},
       "неизвестный параметр '--keep' команды memory",
       "unknown option '--keep' for memory"},
      {{"write", "--sensor", "1", "--range", "-50..6000"},
       "диапазон -50..6000 не принят: датчик 1 берёт LO ниже HI в пределах -50..200",
       "range -50..6000 is refused: sensor 1 takes LO below HI within -50..200"},
      {{"write", "--sensor", "11", "--scheme", "3"},
       "--scheme не предлагается для датчика с кодом 11",
       "--scheme is not offered for sensor code 11"},
      {{"--model", "1", "correct", "--sensor", "11", "--range", "0..1000", "--t1", "100", "--t2",
        "900", "--i1", "7", "--i2", "18.4"},
       "--i1 7 не принято: ток должен отличаться от номинального 5.600 мА менее чем на 0.32 мА",
       "--i1 7 is refused: it must lie within 0.32 mA of the nominal 5.600 mA"},
      {{"convert", "--sensor", "17", "--signal", "1"},
       "у датчика с кодом 17 нет таблиц преобразования",
       "sensor code 17 has no conversion tables"},
      {{"read"},
       "команде нужен прибор: укажите --port ПУТЬ или --com N",
       "this command needs a device: give --port PATH or --com N"},
  };
  for (const Row& row : rows) {
    const auto russian = RunProgram(kCli, row.arguments);
    EXPECT_EQ(russian.exitCode, 2);
    EXPECT_EQ(russian.err, "zelto-cli: " + std::string(row.russian) + "\n");
    Lines english{"--lang", "en"};
    english.insert(english.end(), row.arguments.begin(), row.arguments.end());
    const auto translated = RunProgram(kCli, english);
    EXPECT_EQ(translated.exitCode, 2);
    EXPECT_EQ(translated.err, "zelto-cli: " + std::string(row.english) + "\n");
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
