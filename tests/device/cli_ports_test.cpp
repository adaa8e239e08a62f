// zelto-cli on several ports at once, against simulators of the test's own: each port's lines
// whole and prefixed, each port's outcome its own, and the exit code of them all.
#include "background_program.h"
#include "cli/console.h"
#include "cli/device_session.h"
#include "cli/output.h"
#include "cli/port_runs.h"
#include "link/reporter.h"
#include "sim/simulator.h"
#include "tool_test_support.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <list>
#include <map>
#include <set>
#include <signal.h>

namespace zelto::cli {
namespace {

// Short read time-outs: a silent device costs well under a second.
const Lines kFast{"--timeout-scale", "0.02"};

// Several Dastra-2 simulators, and the tool run on all of their ports.
class SeveralPorts : public ::testing::Test {
 protected:
  explicit SeveralPorts(int count = 3) {
    for (int i = 0; i < count; ++i)
      sims_.emplace_back(kDastra);
  }

  Lines Ports() const {
    Lines ports;
    for (const sim::Simulator& sim : sims_)
      ports.insert(ports.end(), {"--port", sim.Path()});
    return ports;
  }
  // The tool on every port, as a program to run beside the test.
  testing::BackgroundProgram Start(Lines options, const Lines& command) const {
    options.insert(options.begin(), {"--model", "dastra-2"});
    const Lines ports = Ports();
    options.insert(options.end(), ports.begin(), ports.end());
    options.insert(options.end(), command.begin(), command.end());
    return testing::BackgroundProgram(kCli, options);
  }
  ProgramResult Run(const Lines& command, Lines ports = {}) {
    if (ports.empty())
      ports = Ports();
    Lines arguments{"--model", "dastra-2"};
    arguments.insert(arguments.end(), kFast.begin(), kFast.end());
    arguments.insert(arguments.end(), ports.begin(), ports.end());
    arguments.insert(arguments.end(), command.begin(), command.end());
    return RunProgram(kCli, arguments);
  }
  sim::Simulator& Sim(std::size_t i) { return *std::next(sims_.begin(), static_cast<long>(i)); }

  // The lines of each port, the prefix taken off; a line without a known prefix fails.
  std::map<std::string, Lines> ByPort(const std::string& text) {
    std::map<std::string, Lines> lines;
    for (const std::string& line : LinesOf(text)) {
      const auto tab = line.find('\t');
      const std::string port = tab == std::string::npos ? std::string() : line.substr(0, tab);
      const bool known = std::any_of(sims_.begin(), sims_.end(),
                                     [&](const sim::Simulator& sim) { return sim.Path() == port; });
      EXPECT_TRUE(known) << "a line of no port: " << line;
      if (known)
        lines[port].push_back(line.substr(tab + 1));
    }
    return lines;
  }

  testing::ScratchFolder folder_;
  std::list<sim::Simulator> sims_;
};

TEST_F(SeveralPorts, WritesEveryDeviceAtOnceAndPrefixesEveryLineWithItsPort) {
  const ProgramResult written =
      Run({"--no-backup", "write", "--sensor", "11", "--range", "-50..600"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  EXPECT_EQ(written.out, "");
  for (auto& [port, statuses] : ByPort(written.err)) {
    EXPECT_EQ(Lines(statuses.end() - 2, statuses.end()),
              (Lines{"Ждите завершения записи", "Запись завершена"}))
        << port;
  }
  for (std::size_t i = 0; i < sims_.size(); ++i)
    EXPECT_EQ(Sim(i).Memory(), Sim(0).Memory()) << "each device got the same words";

  const ProgramResult read = Run({"read"});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  const auto lines = ByPort(read.out);
  ASSERT_EQ(lines.size(), sims_.size());
  for (const auto& [port, summary] : lines) {
    EXPECT_EQ(summary, (Lines{"Dastra-2  Версия прошивки прибора 02.04.0017 от 14.03.2022",
                              "термопара ТХА (K)(-50...+1300)°C",
                              "Диапазон: (-50...+600)°C  Линейно от температуры"}))
        << port;
  }
}

TEST_F(SeveralPorts, ASilentPortNeitherStopsNorHoldsUpTheOthers) {
  // The silent one waits out the read time-outs, half a minute at twice their length, longer
  // than a line may take to come; the others need a few frames.
  sims_.front().SetFault(sim::Fault::SilentFrom(1));
  testing::BackgroundProgram tool = Start({"--json", "--timeout-scale", "2"}, {"identify"});
  // Both answering ports have ended while the first is still waiting for its reply.
  const Lines done{tool.ReadLine(), tool.ReadLine()};
  for (std::size_t i = 1; i < sims_.size(); ++i) {
    const std::string port = "\"port\":\"" + Sim(i).Path() + "\"";
    EXPECT_TRUE(std::any_of(done.begin(), done.end(), [&](const std::string& line) {
      return line.find(port) != std::string::npos && line.find("\"ok\":true") != std::string::npos;
    })) << port;
  }
  tool.Stop(SIGTERM);
}

TEST_F(SeveralPorts, ExitsWithTheFirstFailureInCommandLineOrder) {
  sims_.front().SetFault(sim::Fault::SilentFrom(1));  // 3
  sim::Simulator velmor(2);                           // 4, as a Dastra-2
  const std::string missing = folder_.PathOf("no-such-port");
  const std::string silent = sims_.front().Path();
  const std::string good = Sim(1).Path();

  ProgramResult result = Run(
      {"identify"}, {"--port", good, "--port", silent, "--port", velmor.Path(), "--port", missing});
  EXPECT_EQ(result.exitCode, 3) << result.err;
  result = Run({"identify"}, {"--port", good, "--port", velmor.Path(), "--port", silent});
  EXPECT_EQ(result.exitCode, 4) << result.err;
  result = Run({"identify"}, {"--port", missing, "--port", silent});
  EXPECT_EQ(result.exitCode, 6) << result.err;
  // Every port says how it ended, each under its own path.
  const Lines errors = LinesOf(result.err);
  EXPECT_NE(std::find(errors.begin(), errors.end(), silent + "\tПрибор не отвечает"), errors.end())
      << result.err;
}

TEST_F(SeveralPorts, DiffFindingADifferenceIsSevenUnlessAPortFailed) {
  const std::string profile = folder_.Write(
      "k.json", R"({"format": "zelto-profile", "version": 1, "model": "dastra-2", "sensor": 11})");
  ASSERT_EQ(Run({"--no-backup", "write", "--profile", profile}, {"--port", Sim(0).Path()}).exitCode,
            0);
  EXPECT_EQ(Run({"diff", "--profile", profile}, {"--port", Sim(0).Path()}).exitCode, 0);
  EXPECT_EQ(Run({"diff", "--profile", profile}).exitCode, 7);
  Sim(2).SetFault(sim::Fault::SilentFrom(1));
  EXPECT_EQ(Run({"diff", "--profile", profile}).exitCode, 3);
}

TEST_F(SeveralPorts, WithChangedOnlyEachUnitGetsWhatItLacks) {
  const std::string profile = folder_.Write(
      "k.json", R"({"format": "zelto-profile", "version": 1, "model": "dastra-2", "sensor": 11})");
  ASSERT_EQ(Run({"--no-backup", "write", "--profile", profile}, {"--port", Sim(0).Path()}).exitCode,
            0);
  const sim::MemoryImage written = Sim(0).Memory();
  Sim(0).ClearRequests();
  const ProgramResult result =
      Run({"--no-backup", "--changed-only", "write", "--profile", profile});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const auto statuses = ByPort(result.err);
  for (std::size_t i = 0; i < sims_.size(); ++i) {
    EXPECT_EQ(statuses.at(Sim(i).Path()).back(),
              i == 0 ? "Прибор уже содержит эту конфигурацию" : "Запись завершена");
    EXPECT_EQ(Sim(i).Memory(), written);
  }
  const auto requests = Sim(0).Requests();
  EXPECT_TRUE(std::none_of(requests.begin(), requests.end(), [](const sim::Frame& frame) {
    return frame[sim::kCommandOffset] == sim::kWriteWord ||
           frame[sim::kCommandOffset] == sim::kAction;
  }));
}

TEST_F(SeveralPorts, SavesOneFilePerPortNamedAfterIt) {
  const std::string image = folder_.PathOf("ee.bin");
  const ProgramResult result = Run({"memory", "--save", image});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  for (const sim::Simulator& sim : sims_) {
    const std::string name = sim.Path().substr(sim.Path().rfind('/') + 1);
    const sim::MemoryImage memory = sim.Memory();
    EXPECT_EQ(testing::Contents(folder_.PathOf("ee-" + name + ".bin")),
              std::string(memory.begin(), memory.end()));
  }
  EXPECT_EQ(testing::Contents(image), "") << "no file under the name given";
}

TEST_F(SeveralPorts, RefusesAPortNamedTwiceAndARestoreOfSeveral) {
  const std::string path = Sim(0).Path();
  // Also under another name for the same device.
  const std::string name = path.substr(path.rfind('/') + 1);
  for (const Lines& ports : {Lines{"--port", path, "--port", path},
                             Lines{"--port", path, "--port", "/dev/pts/../pts/" + name}}) {
    const ProgramResult twice = Run({"identify"}, ports);
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_EQ(twice.err, "zelto-cli: порт " + ports.back() + " указан дважды\n");
  }
  const ProgramResult com = Run({"identify"}, {"--com", "7", "--com", "7"});
  EXPECT_EQ(com.exitCode, 2) << com.err;
  const ProgramResult restore = Run({"restore"});
  EXPECT_EQ(restore.exitCode, 2);
  EXPECT_EQ(restore.err, "zelto-cli: restore работает с одним портом, а не с 3\n");
  for (const sim::Simulator& sim : sims_)
    EXPECT_TRUE(sim.Requests().empty()) << "nothing was sent";
}

TEST_F(SeveralPorts, MonitorCsvIsOneTableWithThePortAsItsFirstColumn) {
  for (std::size_t i = 0; i < sims_.size(); ++i) {
    for (int k = 0; k < 14; ++k)
      Sim(i).SetMonitorValue(k, static_cast<int>(100 * i) + k);
  }
  const ProgramResult csv = Run({"monitor", "--csv", "--count", "2", "--interval", "0"});
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  const Lines lines = LinesOf(csv.out);
  ASSERT_EQ(lines.size(), 1 + 2 * sims_.size()) << csv.out;
  EXPECT_EQ(lines[0],
            "port,time,0x0500,0x0501,0x0502,0x0503,0x0504,0x0505,0x0506,0x0507,0x0508,0x050C,"
            "0x050D");
  std::size_t i = 0;
  for (const sim::Simulator& sim : sims_) {
    std::string values;
    for (const int k : {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 13})
      values += "," + std::to_string(static_cast<int>(100 * i) + k);
    ++i;
    const auto rows = std::count_if(lines.begin() + 1, lines.end(), [&](const std::string& row) {
      return row.starts_with(sim.Path() + ",") && row.ends_with(values);
    });
    EXPECT_EQ(rows, 2) << sim.Path() << "\n" << csv.out;
  }

  const ProgramResult both = Run({"--json", "monitor", "--csv"});
  EXPECT_EQ(both.exitCode, 2);
  EXPECT_EQ(both.err, "zelto-cli: --csv и --json вместе не используются\n");
}

TEST_F(SeveralPorts, MonitorUntilASignalStopsEveryPortCleanly) {
  testing::BackgroundProgram tool =
      Start({"--json"}, {"monitor", "--count", "0", "--interval", "10"});
  // A cycle of every port has come.
  std::set<std::string> polled;
  while (polled.size() < sims_.size()) {
    const std::string line = tool.ReadLine();
    ASSERT_FALSE(line.empty());
    const auto port = line.find("\"port\":\"");
    ASSERT_NE(port, std::string::npos) << line;
    polled.insert(line.substr(port + 8, line.find('"', port + 8) - port - 8));
  }
  const ProgramResult stopped = tool.Stop(SIGTERM);
  EXPECT_EQ(stopped.exitCode, 0) << stopped.err;
  for (const std::string& line : LinesOf(stopped.out))
    EXPECT_TRUE(line.starts_with("{") && line.ends_with("}")) << "no line cut short: " << line;
}

TEST_F(SeveralPorts, PortsWhosePathsEndAlikeGetAFileEach) {
  // /x/a/tty and /x/b/tty, as links to two of the simulators, the second holding other words.
  std::filesystem::create_directories(folder_.PathOf("a"));
  std::filesystem::create_directories(folder_.PathOf("b"));
  std::filesystem::create_symlink(Sim(0).Path(), folder_.PathOf("a/tty"));
  std::filesystem::create_symlink(Sim(1).Path(), folder_.PathOf("b/tty"));
  sim::MemoryImage other = Sim(1).Memory();
  other[0] = 0x5A;
  Sim(1).LoadMemory(other);

  const std::string image = folder_.PathOf("ee.bin");
  const ProgramResult result =
      Run({"memory", "--save", image},
          {"--port", folder_.PathOf("a/tty"), "--port", folder_.PathOf("b/tty")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  for (const auto& [name, index] : {std::pair{"ee-a-tty.bin", 0}, std::pair{"ee-b-tty.bin", 1}}) {
    const sim::MemoryImage memory = Sim(index).Memory();
    EXPECT_EQ(testing::Contents(folder_.PathOf(name)), std::string(memory.begin(), memory.end()))
        << name;
  }
  EXPECT_FALSE(std::filesystem::exists(folder_.PathOf("ee-tty.bin")));
}

TEST_F(SeveralPorts, LookForTheSystemsPortsOnceBeforeTheyStart) {
  std::atomic<int> scans = 0;
  GlobalOptions options;
  options.model = kDastra;
  options.timeoutScale = 0.02;
  for (const sim::Simulator& sim : sims_)
    options.portPaths.push_back(sim.Path());
  options.scanPorts = [&scans] {
    ++scans;
    return std::vector<SystemPort>{{"/dev/ttyS0", ""}};
  };
  Console console(tmpfile(), tmpfile());
  Output output(console, false);
  const int exitCode = RunOnPorts(options, output, [](const PortRun& run) {
    SilentReporter reporter;
    DeviceSession session(run.options, reporter, run.output);
    return session.Connect();
  });
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(scans, 1);
}

TEST_F(SeveralPorts, ARecordingOntoAFullDiskStopsEveryPortWithExitFive) {
  const ProgramResult full =
      testing::RunThroughShell(kCli, "",
                               {"--model", "dastra-2", "--port", Sim(0).Path(), "--port",
                                Sim(1).Path(), "monitor", "--csv", "--count", "0"},
                               ">/dev/full");
  EXPECT_EQ(full.exitCode, 5) << full.err;
  EXPECT_NE(full.err.find("\tОшибка записи файла\n"), std::string::npos) << full.err;

  // A file that fills up while a silent port waits out its read time-outs: the others' lines
  // fill it, and the silent one does not hold the end up, nor turn it into a success.
  sims_.front().SetFault(sim::Fault::SilentFrom(2));  // identified, then silent
  const std::string recording = folder_.PathOf("recording.csv");
  Lines arguments{"--model", "dastra-2"};
  const Lines ports = Ports();
  arguments.insert(arguments.end(), ports.begin(), ports.end());
  arguments.insert(arguments.end(), {"monitor", "--csv", "--count", "0", "--interval", "0"});
  const ProgramResult filled =
      testing::RunThroughShell(kCli, "trap '' XFSZ; ulimit -f 2;", arguments, ">" + recording);
  EXPECT_EQ(filled.exitCode, 5) << filled.err;
  EXPECT_NE(filled.err.find("\tОшибка записи файла\n"), std::string::npos) << filled.err;
  EXPECT_GT(LinesOf(testing::Contents(recording)).size(), 2u);
}

TEST(FileOfPort, PutsThePortsNameBeforeTheExtension) {
  EXPECT_EQ(FileOfPort("ee.bin", "ttyUSB0"), "ee-ttyUSB0.bin");
  EXPECT_EQ(FileOfPort("dump", "ttyS0"), "dump-ttyS0");
  EXPECT_EQ(FileOfPort("cal.tar.bin", "ttyUSB1"), "cal.tar-ttyUSB1.bin");
}

TEST(PortFileNames, TakeAsMuchOfEachPathAsTellsThePortsApart) {
  const std::vector<std::pair<Lines, Lines>> cases{
      {{"/dev/ttyUSB0", "/dev/ttyUSB1"}, {"ttyUSB0", "ttyUSB1"}},
      {{"/x/a/tty", "/x/b/tty"}, {"a-tty", "b-tty"}},
      {{"/x/a/tty", "/y/a/tty", "/dev/ttyS0"}, {"x-a-tty", "y-a-tty", "ttyS0"}},
      // A longer name meets a third port's last component, which then takes more too.
      {{"/p/a/tty", "/q/b/tty", "/r/a-tty"}, {"p-a-tty", "b-tty", "r-a-tty"}},
      {{"tty", "/x/tty"}, {"tty", "x-tty"}},
      {{"COM3", "COM4"}, {"COM3", "COM4"}},
      // Paths the whole of which give one name: their places on the command line part them.
      {{"/x/tty", "x/tty"}, {"x-tty-1", "x-tty-2"}},
      {{"/dev/ttyUSB0"}, {"ttyUSB0"}},
  };
  for (const auto& [ports, names] : cases)
    EXPECT_EQ(PortFileNames(ports), names) << ports.front();
}

}  // namespace
}  // namespace zelto::cli
