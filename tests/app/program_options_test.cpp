#include "app/program_options.h"

#include "run_program.h"

#include <QByteArray>
#include <QtGlobal>

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
           {"--port"}, {"--simulate=7"}, {"--frobnicate"}, {"/dev/ttyUSB0"}, {"-platformx"}}) {
    EXPECT_TRUE(std::holds_alternative<ProgramOptionsError>(ParseProgramOptions(arguments)))
        << arguments[0];
  }
}

TEST(ProgramOptions, PassesOverQtsOwnOptionsAndTheirValues) {
  const ProgramOptions options = Parsed({"-platform", "offscreen", "--style=fusion", "-reverse",
                                         "--simulate", "-style", "fusion", "--port", "/dev/ttyS0"});
  EXPECT_EQ(options.simulateModel, 2);
  EXPECT_EQ(options.portPaths, std::vector<std::string>{"/dev/ttyS0"});
}

TEST(ProgramOptions, AModelThatIsNoneReadsAlikeJoinedOrApart) {
  const auto apart = ParseProgramOptions({"--simulate", "7"});
  const auto joined = ParseProgramOptions({"--simulate=7"});
  ASSERT_TRUE(std::holds_alternative<ProgramOptionsError>(apart));
  ASSERT_TRUE(std::holds_alternative<ProgramOptionsError>(joined));
  EXPECT_EQ(std::get<ProgramOptionsError>(apart).reason,
            std::get<ProgramOptionsError>(joined).reason);
  EXPECT_NE(std::get<ProgramOptionsError>(apart).reason.find("'7'"), std::string::npos);
}

TEST(ProgramOptions, HelpAndVersionAreFoundAmongOptionsThatQtTakes) {
  EXPECT_EQ(InformationAsked({"--help"}), ProgramInformation::kUsage);
  EXPECT_EQ(InformationAsked({"-platform", "xcb", "-h"}), ProgramInformation::kUsage);
  EXPECT_EQ(InformationAsked({"--simulate", "1", "--version", "--help"}),
            ProgramInformation::kVersion);
  EXPECT_EQ(InformationAsked({"--port", "--help"}), std::nullopt);  // a device of that name
  EXPECT_EQ(InformationAsked({"--simulate"}), std::nullopt);
}

// A terminal of the usual 80 columns shows every line of --help whole.
TEST(ProgramOptions, EveryHelpLineFitsEightyColumns) {
  EXPECT_EQ(zelto::testing::LinesWiderThan(ProgramUsage(), 80), std::vector<std::string>{});
}

// The window's program itself, started the way a user does, with no display to be had.
TEST(ProgramOptions, HelpVersionAndMistakesNeedNoDisplay) {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qgetenv("DISPLAY");
  qunsetenv("QT_QPA_PLATFORM");
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  const auto help = zelto::testing::RunProgram(ZELTO_WINDOW_PATH, {"--help"});
  const auto version = zelto::testing::RunProgram(ZELTO_WINDOW_PATH, {"--version"});
  const auto wrong = zelto::testing::RunProgram(ZELTO_WINDOW_PATH, {"--frobnicate"});
  const auto model = zelto::testing::RunProgram(ZELTO_WINDOW_PATH, {"--simulate", "7"});
  qputenv("QT_QPA_PLATFORM", platform);
  if (!display.isEmpty())
    qputenv("DISPLAY", display);

  EXPECT_EQ(help.exitCode, 0);
  for (const char* option : {"--simulate [MODEL]", "--port PATH", "--help", "--version"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, std::string("zelto ") + ZELTO_PROGRAM_VERSION + "\n");
  for (const auto& refused : {wrong, model}) {
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("zelto --help"), std::string::npos);
  }
}

}  // namespace
}  // namespace zelto::app
