// The monitor as comma-separated lines, and a poll that runs until a signal stops it.
#include "background_program.h"
#include "sim/simulator.h"
#include "tool_test_support.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <regex>

namespace zelto::cli {
namespace {

using sim::Fault;
using zelto::testing::BackgroundProgram;

const std::string kHeader =
    "time,0x0500,0x0501,0x0502,0x0503,0x0504,0x0505,0x0506,0x0507,0x0508,0x050C,0x050D";
const std::regex kCycleStart(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}[+-]\d\d:\d\d)");
// One identification, then one full poll.
constexpr int kFirstRequestOfSecondCycle = 1 + 11 + 1;

Lines Cells(const std::string& line) {
  Lines cells;
  std::size_t start = 0;
  for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1) {
    cells.push_back(line.substr(start, comma - start));
  }
  cells.push_back(line.substr(start));
  return cells;
}

// The values of a line, without its time.
Lines Values(const std::string& line) {
  const Lines cells = Cells(line);
  return {cells.begin() + 1, cells.end()};
}

bool HasValues(const std::string& line) {
  const Lines values = Values(line);
  return std::any_of(values.begin(), values.end(), [](const auto& v) { return !v.empty(); });
}

class MonitorCommand : public ::testing::Test {
 protected:
  MonitorCommand() {
    // Every polled address holds still, one of them at -1; 0x503 is 3003 and so on.
    for (int k = 0; k < 14; ++k)
      sim_.SetMonitorValue(k, k == 5 ? -1 : 3000 + k);
  }

  Lines Arguments(const Lines& command, const Lines& options = {}) const {
    Lines arguments{"--port", sim_.Path()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.insert(arguments.end(), command.begin(), command.end());
    return arguments;
  }

  sim::Simulator sim_{2};
};

const Lines kPinnedValues{"3000", "3001", "3002", "3003", "3004", "-1",
                          "3006", "3007", "3008", "3012", "3013"};

TEST_F(MonitorCommand, CsvPrintsAHeaderThenALinePerCycle) {
  const auto result =
      RunProgram(kCli, Arguments({"monitor", "--csv", "--count", "2", "--interval", "0"}));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const Lines lines = LinesOf(result.out);
  ASSERT_EQ(lines.size(), 3u) << result.out;
  EXPECT_EQ(lines[0], kHeader);
  for (const std::string& line : {lines[1], lines[2]}) {
    EXPECT_TRUE(std::regex_match(Cells(line)[0], kCycleStart)) << line;
    EXPECT_EQ(Values(line), kPinnedValues);
  }
  EXPECT_LE(Cells(lines[1])[0], Cells(lines[2])[0]);
}

TEST_F(MonitorCommand, CsvLeavesTheCellsOfUnansweredAddressesEmpty) {
  sim_.SetFault(Fault::SilentFrom(4));  // identification, 0x500 and 0x501 answered
  const auto result =
      RunProgram(kCli, Arguments({"monitor", "--csv"}, {"--timeout-scale", "0.05"}));
  EXPECT_EQ(result.exitCode, 3);
  const Lines lines = LinesOf(result.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(Values(lines[1]), (Lines{"3000", "3001", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(zelto::testing::LastLine(result.err), "Прибор не отвечает");
}

TEST_F(MonitorCommand, CountZeroPollsThroughSilenceUntilSigterm) {
  sim_.SetFault(Fault::SilentFrom(kFirstRequestOfSecondCycle));
  BackgroundProgram monitor(kCli, Arguments({"monitor", "--csv", "--count", "0", "--interval", "0"},
                                            {"--timeout-scale", "0.05"}));
  EXPECT_EQ(monitor.ReadLine(), kHeader);
  EXPECT_EQ(Values(monitor.ReadLine()), kPinnedValues);
  EXPECT_FALSE(HasValues(monitor.ReadLine()));  // silent, and still polling
  sim_.SetFault(Fault::None());
  std::string line;
  for (int cycle = 0; cycle < 5 && !HasValues(line); ++cycle)
    line = monitor.ReadLine();
  EXPECT_EQ(Values(line), kPinnedValues);  // answered again

  const auto result = monitor.Stop(SIGTERM);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(result.out.empty() || result.out.back() == '\n') << result.out;
  for (const std::string& rest : LinesOf(result.out))
    EXPECT_EQ(Cells(rest).size(), 12u) << rest;
  EXPECT_NE(result.err.find("Прибор не отвечает\n"), std::string::npos) << result.err;
}

TEST_F(MonitorCommand, CountZeroEndsOnASignalWithEveryFinishedLineFlushed) {
  // Stopped in the middle of a poll, which may finish: the blocks printed are whole.
  BackgroundProgram polling(kCli, Arguments({"monitor", "--count", "0", "--interval", "0"}));
  Lines lines;
  for (int line = 0; line < 7; ++line)
    lines.push_back(polling.ReadLine());
  EXPECT_EQ(lines.front(), "M00 = 003001");
  EXPECT_EQ(lines[4], "M10 = -00001");
  ASSERT_TRUE(sim_.WaitForRequests(kFirstRequestOfSecondCycle, std::chrono::seconds(5)));
  auto result = polling.Stop(SIGTERM);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(result.out.empty() || result.out.back() == '\n');
  EXPECT_EQ(LinesOf(result.out).size() % 7, 0u) << result.out;

  // Stopped while waiting for the next cycle: at once, with nothing half done.
  BackgroundProgram waiting(kCli, Arguments({"monitor", "--csv", "--count", "0"}));
  EXPECT_EQ(waiting.ReadLine(), kHeader);
  EXPECT_EQ(Values(waiting.ReadLine()), kPinnedValues);
  const auto before = std::chrono::steady_clock::now();
  result = waiting.Stop(SIGINT);
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "");
}

TEST_F(MonitorCommand, AStopDoesNotWaitOutASilentDevicesTimeOuts) {
  sim_.SetFault(Fault::SilentFrom(kFirstRequestOfSecondCycle));
  // The machine's own time-outs: a silent exchange holds the poll for about 15 s.
  BackgroundProgram monitor(kCli,
                            Arguments({"monitor", "--csv", "--count", "0", "--interval", "0"}));
  EXPECT_EQ(monitor.ReadLine(), kHeader);
  EXPECT_EQ(Values(monitor.ReadLine()), kPinnedValues);
  // The second cycle's first request is out: the tool waits for its reply.
  ASSERT_TRUE(sim_.WaitForRequests(kFirstRequestOfSecondCycle, std::chrono::seconds(5)));
  const auto before = std::chrono::steady_clock::now();
  const auto result = monitor.Stop(SIGTERM);
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "");  // the cycle in flight is lost, and nothing of it shows
}

TEST_F(MonitorCommand, ARecordingOntoAFullDiskStopsAtItsFirstLine) {
  // Until a signal and counted, a table and blocks of lines: the header, or the first block,
  // cannot be written, and nothing more is polled.
  const std::vector<Lines> commands{{"monitor", "--csv", "--count", "0", "--interval", "0"},
                                    {"monitor", "--csv", "--count", "3", "--interval", "0"},
                                    {"monitor", "--count", "0", "--interval", "0"}};
  for (const Lines& command : commands) {
    sim_.ClearRequests();
    const auto result = zelto::testing::RunThroughShell(kCli, "", Arguments(command), ">/dev/full");
    EXPECT_EQ(result.exitCode, 5) << command[1] << command[3] << "\n" << result.err;
    EXPECT_EQ(zelto::testing::LastLine(result.err), "Ошибка записи файла");
    const std::size_t polls = command[1] == "--csv" ? 0 : 1;
    EXPECT_EQ(sim_.Requests().size(), 1 + polls * 11)
        << "identification, then " << polls << " polls";
  }
}

}  // namespace
}  // namespace zelto::cli
