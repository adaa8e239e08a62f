// What one request and its reply cost through the link, set beside the same exchange by the
// least a client can do (open, raw line, write twelve bytes, poll and read twelve), on the same
// pseudo-terminal with the same simulator. The ratio says what the link's layers add.
#include "link/link.h"
#include "sim/simulator.h"

#include <QCoreApplication>

#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <set>
#include <termios.h>
#include <unistd.h>

namespace zelto {
namespace {

constexpr int kVelmor = 2;
constexpr std::uint16_t kWordAddress = 16;
constexpr int kReplyWaitMs = 1000;

const char* const kLinkExchange = "BM_ExchangeThroughTheLink";
const char* const kBareExchange = "BM_ExchangeByABareClient";

// A serial client with nothing but the system calls.
class BareClient {
 public:
  explicit BareClient(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) {
    termios line{};
    if (fd_ < 0 || tcgetattr(fd_, &line) != 0)
      return;
    cfmakeraw(&line);
    cfsetspeed(&line, B4800);
    line.c_cflag |= CSTOPB | CLOCAL | CREAD;
    tcsetattr(fd_, TCSANOW, &line);
  }
  ~BareClient() {
    if (fd_ >= 0)
      close(fd_);
  }
  BareClient(const BareClient&) = delete;
  BareClient& operator=(const BareClient&) = delete;

  bool IsOpen() const { return fd_ >= 0; }

  // One request and its whole reply; false when the reply did not come.
  bool Exchange(const Frame& request, Frame& reply) {
    if (write(fd_, request.data(), request.size()) != static_cast<ssize_t>(request.size()))
      return false;
    std::size_t received = 0;
    while (received < reply.size()) {
      pollfd ready{fd_, POLLIN, 0};
      if (poll(&ready, 1, kReplyWaitMs) <= 0)
        return false;
      const ssize_t count = read(fd_, reply.data() + received, reply.size() - received);
      if (count <= 0)
        return false;
      received += static_cast<std::size_t>(count);
    }
    return true;
  }

 private:
  int fd_;
};

void ExchangeThroughTheLink(benchmark::State& state, sim::Simulator* simulator) {
  SilentReporter reporter;
  NoConnectionView view;
  Link link(reporter, view);
  if (!link.SelectPort(link.Ports().Add(simulator->Path(), "simulator"))) {
    state.SkipWithError("the port did not open");
    return;
  }
  Frame reply{};
  for (auto _ : state) {
    if (!link.Query(kWordAddress, reply, CmdReadWord))
      state.SkipWithError("no reply");
  }
}

void ExchangeByABareClient(benchmark::State& state, sim::Simulator* simulator) {
  BareClient client(simulator->Path());
  if (!client.IsOpen()) {
    state.SkipWithError("the port did not open");
    return;
  }
  Frame request = BuildRequest(kWordAddress, Payload{}, CmdReadWord);
  SealFrame(request);
  Frame reply{};
  for (auto _ : state) {
    if (!client.Exchange(request, reply))
      state.SkipWithError("no reply");
  }
}

// The console's table, and after it the ratio of the two exchanges.
// With --benchmark_repetitions, the ratio of the medians.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred)
        continue;
      const std::string& name = run.run_name.function_name;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (median || (run.run_type == Run::RT_Iteration && !medians_.contains(name)))
        times_[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      if (median)
        medians_.insert(name);
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto link = times_.find(kLinkExchange);
    const auto bare = times_.find(kBareExchange);
    if (link == times_.end() || bare == times_.end() || bare->second.real <= 0 ||
        bare->second.cpu <= 0) {
      return;
    }
    std::printf(
        "exchange through the link / by a bare client: %.2f in real time, %.2f in the CPU time "
        "of the calling thread\n",
        link->second.real / bare->second.real, link->second.cpu / bare->second.cpu);
  }

 private:
  struct Times {
    double real = 0;
    double cpu = 0;
  };
  std::map<std::string, Times> times_;
  std::set<std::string> medians_;
};

}  // namespace
}  // namespace zelto

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);  // Qt Serial Port wants one, loop or not
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  // One simulator on one pseudo-terminal for both, which take it in turn.
  zelto::sim::Simulator simulator(zelto::kVelmor);
  benchmark::RegisterBenchmark(zelto::kBareExchange, zelto::ExchangeByABareClient, &simulator)
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark(zelto::kLinkExchange, zelto::ExchangeThroughTheLink, &simulator)
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);
  zelto::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
