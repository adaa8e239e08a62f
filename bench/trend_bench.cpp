// What the plot window adds to each monitor cycle: one cycle appended to the history and the
// chart redrawn (the series brought up to date and the chart painted, as the screen would be),
// with a minute, an hour and a day of history at the 3-second poll. The cost should stay near
// that of a minute however long the window has been watching.
#include "app/trend_history.h"
#include "app/trend_window.h"

#include <QApplication>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace zelto::app {
namespace {

using namespace std::chrono_literals;

constexpr auto kCycle = 3000ms;
const TrendHistory::WallTime kStart{std::chrono::seconds(1'800'000'000)};
const std::chrono::steady_clock::time_point kSteadyStart{};

// Milliseconds per cycle of each run, by the history's length.
std::map<std::int64_t, std::vector<double>> msPerCycle;

// Eleven addresses that drift at their own pace, with the odd missing reply.
std::vector<MonitorReading> ReadingsOf(const std::vector<std::uint16_t>& addresses,
                                       std::int64_t cycle) {
  std::vector<MonitorReading> readings;
  for (std::size_t s = 0; s < addresses.size(); ++s) {
    MonitorReading reading{addresses[s], std::nullopt};
    if (cycle % 997 != 0) {
      const double phase = static_cast<double>(cycle) / (200.0 + 37.0 * static_cast<double>(s));
      reading.value = static_cast<std::int32_t>(1000 * s + 300 * std::sin(phase) + cycle % 7);
    }
    readings.push_back(reading);
  }
  return readings;
}

void Append(TrendHistory& history, std::int64_t cycle) {
  history.Append(kStart + cycle * kCycle, kSteadyStart + cycle * kCycle,
                 ReadingsOf(history.Addresses(), cycle));
}

// 64 cycles in a row (a little over three minutes of polling) on top of the history, each
// appended and shown as the screen shows it: the window brings its chart up to date and the
// event loop paints what changed. The mean over a run of cycles takes in the redraws that come
// only now and then (a span outgrown, the decimation coarsened).
void BM_AppendAndRedraw(benchmark::State& state) {
  const std::int64_t cycles = state.range(0);
  TrendHistory history(MonitorAddresses(MonitorSet::kFull));
  for (std::int64_t cycle = 0; cycle < cycles; ++cycle)
    Append(history, cycle);
  TrendWindow window(history, nullptr);
  window.resize(900, 520);
  window.show();
  QApplication::processEvents();

  std::int64_t next = cycles;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    Append(history, next++);
    window.HistoryGrew();
    QApplication::processEvents();
  }
  const double totalMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const double perCycle = totalMs / static_cast<double>(state.iterations());
  state.counters["ms_per_cycle"] = perCycle;
  msPerCycle[cycles].push_back(perCycle);
}
BENCHMARK(BM_AppendAndRedraw)
    ->Arg(20)     // a minute
    ->Arg(1200)   // an hour
    ->Arg(28800)  // a day
    ->Iterations(64)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace
}  // namespace zelto::app

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // Against a minute's history; with --benchmark_repetitions, of the medians.
  auto& runs = zelto::app::msPerCycle;
  if (runs.contains(20)) {
    const double minute = zelto::app::Median(runs[20]);
    for (const auto& [cycles, times] : runs) {
      std::printf("%6lld cycles: %.3f ms a cycle, %.2f× a minute's\n",
                  static_cast<long long>(cycles), zelto::app::Median(times),
                  zelto::app::Median(times) / minute);
    }
  }
  return 0;
}
