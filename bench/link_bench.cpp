// How fast the link talks to a transmitter: exchanges per second against an instantly
// answering simulator (the configurator's own cost), and one identification against a
// simulator paced at 4800 baud, set beside the time the 24 bytes need on the wire.
#include "link/link.h"
#include "sim/simulator.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace zelto {
namespace {

constexpr int kVelmor = 2;
constexpr int kBitsPerByte = 11;  // 8N2 with its start bit

class Bench {
 public:
  explicit Bench(int pacingBaud) : sim_(kVelmor), link_(reporter_, view_) {
    sim_.SetPacing(pacingBaud);
    if (pacingBaud != 0)
      link_.SelectSpeed(pacingBaud);
    link_.SelectPort(link_.Ports().Add(sim_.Path(), "simulator"));
  }
  Link& link() { return link_; }

 private:
  sim::Simulator sim_;
  SilentReporter reporter_;
  NoConnectionView view_;
  Link link_;
};

void BM_WordReadInstantDevice(benchmark::State& state) {
  Bench bench(0);
  Frame reply{};
  for (auto _ : state) {
    if (!bench.link().Query(16, reply, CmdReadWord))
      state.SkipWithError("no reply");
  }
  state.counters["exchanges_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WordReadInstantDevice)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_IdentifyPaced(benchmark::State& state) {
  const int baud = static_cast<int>(state.range(0));
  Bench bench(baud);
  const double wireMs = 2.0 * kFrameSize * kBitsPerByte * 1000.0 / baud;
  double totalMs = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (bench.link().Identify(kVelmor) != IdentifyOutcome::kMatched) {
      state.SkipWithError("identification failed");
    }
    totalMs +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  const double meanMs = totalMs / static_cast<double>(state.iterations());
  state.counters["wire_ms"] = wireMs;
  state.counters["mean_ms"] = meanMs;
  state.counters["added_pct"] = (meanMs - wireMs) / wireMs * 100.0;
}
BENCHMARK(BM_IdentifyPaced)
    ->Arg(4800)
    ->Arg(19200)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

}  // namespace
}  // namespace zelto
