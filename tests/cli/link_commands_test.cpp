#include "background_program.h"
#include "scratch_folder.h"
#include "tool_test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <signal.h>
#include <sys/stat.h>

namespace zelto::cli {
namespace {

using zelto::testing::BackgroundProgram;
using zelto::testing::Contents;

// A simulator run by the tool itself, and the path it serves on.
struct SimulateCommand {
  explicit SimulateCommand(std::vector<std::string> arguments)
      : program(kCli,
                [&] {
                  arguments.insert(arguments.begin(), "simulate");
                  return arguments;
                }()),
        path(program.ReadLine()) {}

  BackgroundProgram program;
  std::string path;
};

// The number a "ports" listing gives the path, for the expected status texts.
std::string ComOf(const std::string& path) {
  for (const std::string& line : LinesOf(RunProgram(kCli, {"--port", path, "ports"}).out)) {
    if (line.find("\t" + path + "\t") != std::string::npos)
      return "Com" + line.substr(3, line.find('\t') - 3);
  }
  return "Com?";
}

// The model and firmware as the summary's first line reads them, on standard output; the port
// by the path it was given with in the statuses.
TEST(IdentifyCommand, IdentifiesEachModelOfTheSimulator) {
  const std::pair<const char*, const char*> models[] = {
      {"0", "        Версия прошивки прибора 02.04.0017 от 14.03.2022\n"},
      {"1", "Dastra-2  Версия прошивки прибора 02.04.0017 от 14.03.2022\n"},
      {"2", "Velmor-7  Версия прошивки прибора 2.04.0017 от 14.03.2022\n"},
      {"dastra-2", "Dastra-2  Версия прошивки прибора 02.04.0017 от 14.03.2022\n"},
      {"velmor-7", "Velmor-7  Версия прошивки прибора 2.04.0017 от 14.03.2022\n"}};
  for (const auto& [model, line] : models) {
    SimulateCommand sim({"--model", model});
    ASSERT_FALSE(sim.path.empty());
    const auto result = RunProgram(kCli, {"--port", sim.path, "--model", model, "identify"});
    EXPECT_EQ(result.exitCode, 0) << model << "\n" << result.err;
    EXPECT_EQ(result.out, line);
    EXPECT_EQ(LinesOf(result.err), (std::vector<std::string>{"Поиск на " + ComOf(sim.path) + " (" +
                                                                 sim.path + "). Ждите!",
                                                             "Порт открыт", "Прибор подключен"}));
  }
}

TEST(SimulateCommand, StopsCleanlyOnEitherSignal) {
  for (const int signal : {SIGTERM, SIGINT}) {
    SimulateCommand sim({});
    EXPECT_TRUE(sim.path.starts_with("/dev/pts/")) << sim.path;
    const auto result = sim.program.Stop(signal);
    EXPECT_EQ(result.exitCode, 0) << signal;
    EXPECT_EQ(result.err, "");
  }
}

TEST(SimulateCommand, PacedAtTheLineRateStillAnswers) {
  SimulateCommand sim({"--pace"});
  EXPECT_EQ(RunProgram(kCli, {"--port", sim.path, "identify"}).exitCode, 0);
  SimulateCommand fast({"--pace"});
  EXPECT_EQ(RunProgram(kCli, {"--baud", "19200", "--port", fast.path, "identify"}).exitCode, 0);
}

TEST(SimulateCommand, RefusesBadArgumentsAndJson) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"simulate", "--model", "7"},
        {"simulate", "--memory"},
        {"simulate", "--loud"},
        {"simulate", "--count", "0"},
        {"simulate", "--count", "257"},
        {"simulate", "--count", "x"}}) {
    EXPECT_EQ(RunProgram(kCli, arguments).exitCode, 2) << ::testing::PrintToString(arguments);
  }
  const auto json = RunProgram(kCli, {"--json", "simulate"});
  EXPECT_EQ(json.exitCode, 2);
  EXPECT_EQ(json.err, "zelto-cli: у simulate нет вывода JSON\n");
}

TEST(BusyPort, IsRefusedUnderAnotherNameWhileTheToolPollsIt) {
  SimulateCommand sim({});
  BackgroundProgram monitor(
      kCli, {"--port", sim.path, "monitor", "--count", "100000", "--interval", "10"});
  ASSERT_FALSE(monitor.ReadLine().empty());  // polling, the port held
  const zelto::testing::ScratchFolder folder;
  const std::string alias = folder.PathOf("alias");
  std::filesystem::create_symlink(sim.path, alias);
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"identify"}, {"write", "--sensor", "11"}}) {
    std::vector<std::string> arguments{"--port", alias};
    arguments.insert(arguments.end(), command.begin(), command.end());
    const auto result = RunProgram(kCli, arguments);
    EXPECT_EQ(result.exitCode, 6) << command.front() << "\n" << result.err;
    const auto errors = LinesOf(result.err);
    ASSERT_FALSE(errors.empty()) << command.front();
    EXPECT_TRUE(errors.back().ends_with(" занят другой программой")) << result.err;
  }
}

class MemoryFile : public ::testing::Test, protected zelto::testing::ScratchFolder {};

TEST_F(MemoryFile, ThatCannotHoldAnImageExitsFiveWithoutWaitingOnIt) {
  const std::string pipe = PathOf("pipe.bin");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string folder = PathOf("folder.bin");
  std::filesystem::create_directory(folder);
  for (const std::string& path :
       {Write("short.bin", "not an image"), PathOf("no/folder.bin"), pipe, folder}) {
    const auto result = RunProgram(kCli, {"simulate", "--memory", path});
    EXPECT_EQ(result.exitCode, 5) << path;
    EXPECT_EQ(result.out, "");
    if (path == pipe || path == folder) {
      EXPECT_EQ(result.err, "zelto-cli: образ памяти '" + path + "' не обычный файл\n");
    }
  }
}

TEST_F(MemoryFile, IsSavedWithoutTouchingAnyOtherFile) {
  const std::string image = PathOf("eeprom.bin");
  const std::string mine = Write("eeprom.bin.new", "a file of the user's");
  {
    SimulateCommand sim({"--memory", image});  // made from the device's memory at start
    ASSERT_FALSE(sim.path.empty());
    EXPECT_EQ(sim.program.Stop(SIGTERM).exitCode, 0);
  }
  EXPECT_EQ(Contents(image).size(), 512u);
  EXPECT_EQ(Contents(mine), "a file of the user's");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(PathOf("")),
                          std::filesystem::directory_iterator()),
            2);  // no temporary left behind
}

TEST_F(MemoryFile, IsSavedThroughALinkToItsTargetWithItsPermissions) {
  const std::string target = Write("eeprom.bin", std::string(512, '\0'));
  const std::string link = PathOf("current.bin");
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  std::filesystem::create_symlink("eeprom.bin", link);  // relative, as people make them
  {
    SimulateCommand sim({"--memory", link});
    ASSERT_EQ(RunProgram(kCli, {"--port", sim.path, "write", "--sensor", "11"}).exitCode, 0);
    EXPECT_EQ(sim.program.Stop(SIGTERM).exitCode, 0);
  }
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(Contents(target)[0], 11);  // the sensor code of the first word
  struct stat status {};
  ASSERT_EQ(stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(MemoryFile, ASimulatorCountServesThatManyPortsEachWithAnImageOfItsOwn) {
  const std::string folder = PathOf("rack");  // made when missing
  std::vector<std::string> paths;
  BackgroundProgram rack(kCli, {"--model", "1", "simulate", "--count", "3", "--memory", folder});
  for (int i = 0; i < 3; ++i)
    paths.push_back(rack.ReadLine());
  ASSERT_EQ(std::set<std::string>(paths.begin(), paths.end()).size(), 3u);
  const auto written = RunProgram(
      kCli, {"--model", "1", "--no-backup", "--port", paths[1], "write", "--sensor", "11"});
  EXPECT_EQ(written.exitCode, 0) << written.err;
  const auto identified =
      RunProgram(kCli, {"--model", "1", "--port", paths[0], "--port", paths[2], "identify"});
  EXPECT_EQ(identified.exitCode, 0) << identified.err;
  EXPECT_EQ(rack.Stop(SIGTERM).exitCode, 0);
  for (const char* name : {"1.bin", "2.bin", "3.bin"})
    EXPECT_EQ(Contents(folder + "/" + name).size(), 512u) << name;
  EXPECT_EQ(Contents(folder + "/2.bin")[8], 11) << "the second simulator's state word";
  EXPECT_NE(Contents(folder + "/1.bin")[8], 11);
}

}  // namespace
}  // namespace zelto::cli
