// The tool's largest write on many transmitters at once against the same write on one: a copper
// thermometer of W100 = 1.428 on a table-loading model (96 words), through zelto-cli's own runs
// of a command on several ports, each simulator paced at 4800 baud. Each iteration writes one
// port, then all of them, so that what else the machine does weighs on both alike.
#include "cli/cli_options.h"
#include "cli/console.h"
#include "cli/device_commands.h"
#include "cli/output.h"
#include "sim/simulator.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <list>
#include <stdlib.h>

namespace zelto {
namespace {

constexpr int kDastra = 1;
constexpr int kBaud = 4800;

// The backups of the benchmark go to a folder of the system's temporary one, removed at the end.
class TemporaryDataHome {
 public:
  TemporaryDataHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zelto-bench-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    setenv("XDG_DATA_HOME", path_.c_str(), 1);
  }
  ~TemporaryDataHome() { std::filesystem::remove_all(path_); }

 private:
  std::filesystem::path path_;
};

// The write as `zelto-cli --model 1 [--no-backup] --port ... write --sensor 4` runs it; the
// milliseconds it took.
double TimedWrite(const std::vector<std::string>& ports, bool backup, benchmark::State& state) {
  cli::Invocation invocation;
  invocation.options.portPaths = ports;
  invocation.options.model = kDastra;
  invocation.options.modelGiven = true;
  invocation.options.baud = kBaud;
  invocation.options.backup = backup;
  invocation.command = "write";
  invocation.values = {{"--sensor", "4"}};
  std::FILE* nowhere = std::fopen("/dev/null", "w");
  cli::Console console(nowhere, nowhere);
  cli::Output output(console, false);
  const auto start = std::chrono::steady_clock::now();
  if (cli::RunWrite(invocation, output) != 0)
    state.SkipWithError("a write did not complete");
  const auto end = std::chrono::steady_clock::now();
  std::fclose(nowhere);
  return std::chrono::duration<double, std::milli>(end - start).count();
}

void LargestWriteOnManyPorts(benchmark::State& state, bool backup) {
  const TemporaryDataHome home;
  std::list<sim::Simulator> simulators;
  std::vector<std::string> ports;
  for (int i = 0; i < state.range(0); ++i) {
    sim::Simulator& simulator = simulators.emplace_back(kDastra);
    simulator.SetPacing(kBaud);
    ports.push_back(simulator.Path());
  }

  double oneMs = 0;
  double allMs = 0;
  for (auto _ : state) {
    oneMs += TimedWrite({ports.front()}, backup, state);
    allMs += TimedWrite(ports, backup, state);
  }
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["ports"] = static_cast<double>(ports.size());
  state.counters["one_port_ms"] = oneMs / iterations;
  state.counters["all_ports_ms"] = allMs / iterations;
  state.counters["times_one_port"] = allMs / oneMs;
}

void BM_LargestWriteOnManyPortsPaced(benchmark::State& state) {
  LargestWriteOnManyPorts(state, false);
}
BENCHMARK(BM_LargestWriteOnManyPortsPaced)
    ->Arg(16)
    ->Arg(64)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_LargestWriteWithBackupsOnManyPortsPaced(benchmark::State& state) {
  LargestWriteOnManyPorts(state, true);
}
BENCHMARK(BM_LargestWriteWithBackupsOnManyPortsPaced)
    ->Arg(16)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace zelto

BENCHMARK_MAIN();
