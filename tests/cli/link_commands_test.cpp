#include "background_program.h"
#include "run_program.h"
#include "sim/protocol.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace zelto::cli {
namespace {

using zelto::testing::BackgroundProgram;
using zelto::testing::RunProgram;

const std::string kCli = ZELTO_CLI_PATH;

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

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// The last number a "ports" listing gives, for the expected status texts.
std::string ComOf(const std::string& path) {
  for (const std::string& line : Lines(RunProgram(kCli, {"--port", path, "ports"}).out)) {
    if (line.find("\t" + path + "\t") != std::string::npos)
      return "Com" + line.substr(3, line.find('\t') - 3);
  }
  return "Com?";
}

TEST(IdentifyCommand, IdentifiesEachModelOfTheSimulator) {
  for (const char* model : {"0", "1", "2", "dastra-2", "velmor-7"}) {
    SimulateCommand sim({"--model", model});
    ASSERT_FALSE(sim.path.empty());
    const auto result = RunProgram(kCli, {"--port", sim.path, "--model", model, "identify"});
    EXPECT_EQ(result.exitCode, 0) << model << "\n" << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(Lines(result.err),
              (std::vector<std::string>{"Поиск на " + ComOf(sim.path) + ". Ждите!", "Порт открыт",
                                        "Прибор подключен"}));
  }
}

TEST(IdentifyCommand, AnotherModelExitsFour) {
  SimulateCommand sim({"--model", "1"});
  const auto result = RunProgram(kCli, {"--port", sim.path, "identify"});  // Velmor-7 by default
  EXPECT_EQ(result.exitCode, 4);
  EXPECT_EQ(Lines(result.err).back(), "Ошибка выбора прибора");
}

TEST(IdentifyCommand, SilenceExitsThree) {
  int master = -1;
  int slave = -1;
  ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
  termios line{};
  tcgetattr(slave, &line);
  cfmakeraw(&line);
  tcsetattr(slave, TCSANOW, &line);
  const std::string path = ttyname(slave);
  const auto result = RunProgram(kCli, {"--port", path, "--timeout-scale", "0.02", "identify"});
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_EQ(Lines(result.err).back(), "Прибор не отвечает");
  close(master);
  close(slave);
}

TEST(IdentifyCommand, AMissingPortExitsSixWithTheReason) {
  const auto result = RunProgram(kCli, {"--port", "/dev/does-not-exist", "identify"});
  EXPECT_EQ(result.exitCode, 6);
  const auto lines = Lines(result.err);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[1].starts_with("Порт Com")) << lines[1];
  EXPECT_TRUE(lines[1].ends_with(" не найден")) << lines[1];
}

TEST(IdentifyCommand, WithoutADeviceIsAUsageError) {
  const auto result = RunProgram(kCli, {"identify"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(result.err.starts_with("zelto-cli: ")) << result.err;
  EXPECT_EQ(RunProgram(kCli, {"--port", "/dev/null", "identify", "extra"}).exitCode, 2);
}

TEST(PortsCommand, ListsAGivenPathWithItsNumber) {
  const auto result = RunProgram(kCli, {"--port", "/dev/zelto-test-port", "ports"});
  EXPECT_EQ(result.exitCode, 0);
  const auto lines = Lines(result.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines.back().starts_with("COM"));
  EXPECT_TRUE(lines.back().ends_with("\t/dev/zelto-test-port\t")) << lines.back();
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

TEST(SimulateCommand, RefusesBadArguments) {
  EXPECT_EQ(RunProgram(kCli, {"simulate", "--model", "7"}).exitCode, 2);
  EXPECT_EQ(RunProgram(kCli, {"simulate", "--memory"}).exitCode, 2);
  EXPECT_EQ(RunProgram(kCli, {"simulate", "--loud"}).exitCode, 2);
}

class MemoryFile : public ::testing::Test {
 protected:
  ~MemoryFile() override { std::filesystem::remove_all(folder_); }
  std::string PathOf(const char* name) const { return (folder_ / name).string(); }

  static std::vector<char> Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

 private:
  std::filesystem::path folder_ = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "zelto-cli-XXXXXX").string();
    return std::filesystem::path(mkdtemp(pattern.data()));
  }();
};

// Writes one word the way the configurator does and waits for the acknowledgement.
void WriteWord(const std::string& path, std::uint16_t address, std::array<std::uint8_t, 4> word) {
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  sim::Frame request{sim::kHeader,
                     sim::kRequestTag,
                     static_cast<std::uint8_t>(address),
                     static_cast<std::uint8_t>(address >> 8),
                     word[0],
                     word[1],
                     word[2],
                     word[3],
                     0,
                     0,
                     sim::kWriteWord,
                     0};
  sim::Seal(request);
  ASSERT_EQ(write(fd, request.data(), request.size()), 12);
  std::size_t received = 0;
  while (received < 12) {
    pollfd ready{fd, POLLIN, 0};
    ASSERT_GT(poll(&ready, 1, 5000), 0);
    std::array<std::uint8_t, 12> reply{};
    const ssize_t count = read(fd, reply.data(), reply.size() - received);
    ASSERT_GT(count, 0);
    received += static_cast<std::size_t>(count);
  }
  close(fd);
}

TEST_F(MemoryFile, IsCreatedLoadedAndSavedAfterEveryWord) {
  const std::string image = PathOf("eeprom.bin");
  {
    SimulateCommand sim({"--memory", image});
    ASSERT_EQ(Contents(image).size(), 512u);
    WriteWord(sim.path, 16, {0x10, 0x27, 0, 0});
    const auto saved = Contents(image);
    ASSERT_EQ(saved.size(), 512u);
    EXPECT_EQ(saved[16], 0x10);
    EXPECT_EQ(saved[17], 0x27);
    EXPECT_EQ(sim.program.Stop(SIGTERM).exitCode, 0);
  }
  // The next run starts from what the last one left.
  SimulateCommand again({"--memory", image});
  WriteWord(again.path, 20, {1, 2, 3, 4});
  const auto saved = Contents(image);
  EXPECT_EQ(saved[16], 0x10);
  EXPECT_EQ(saved[23], 4);
}

TEST_F(MemoryFile, OfTheWrongSizeExitsFive) {
  std::ofstream(PathOf("short.bin")) << "not an image";
  const auto result = RunProgram(kCli, {"simulate", "--memory", PathOf("short.bin")});
  EXPECT_EQ(result.exitCode, 5);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(RunProgram(kCli, {"simulate", "--memory", PathOf("no/folder.bin")}).exitCode, 5);
}

TEST_F(MemoryFile, ThatIsNoRegularFileIsRefusedWithoutWaitingOnIt) {
  const std::string pipe = PathOf("pipe.bin");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::filesystem::create_directory(PathOf("folder.bin"));
  for (const std::string& path : {pipe, PathOf("folder.bin")}) {
    const auto result = RunProgram(kCli, {"simulate", "--memory", path});
    EXPECT_EQ(result.exitCode, 5);
    EXPECT_EQ(result.err, "zelto-cli: memory image '" + path + "' is not a regular file\n");
    EXPECT_EQ(result.out, "");
  }
}

TEST_F(MemoryFile, IsSavedThroughALinkToItsTargetWithItsPermissions) {
  const std::string target = PathOf("eeprom.bin");
  const std::string link = PathOf("current.bin");
  std::ofstream(target, std::ios::binary) << std::string(512, '\0');
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  std::filesystem::create_symlink("eeprom.bin", link);  // relative, as people make them
  {
    SimulateCommand sim({"--memory", link});
    WriteWord(sim.path, 16, {0x10, 0x27, 0, 0});
    EXPECT_EQ(sim.program.Stop(SIGTERM).exitCode, 0);
  }
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(Contents(target)[16], 0x10);
  struct stat status {};
  ASSERT_EQ(stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace zelto::cli
