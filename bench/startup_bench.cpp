// What a user waits for when starting the configurator: from the exec of a fresh process until
// its window is mapped on the screen, with the machine's real serial-port scan. The same is
// measured for an empty main window of the same size (empty_window, built beside this), the
// two started in turn, so that what else the machine does weighs on both alike. Needs an X
// server without a window manager (Xvfb will do): the map is seen as the root window's
// MapNotify, so nothing is polled.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct XConnection {
  xcb_connection_t* connection = nullptr;
  ~XConnection() {
    if (connection != nullptr)
      xcb_disconnect(connection);
  }
};

XConnection display;

// Connects and asks to hear of every window mapped on the root; false without an X server.
bool WatchRoot() {
  display.connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(display.connection) != 0)
    return false;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(display.connection)).data;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(display.connection, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(display.connection);
  return true;
}

// Waits for the next top-level window to be mapped; false after the time-out.
bool WaitForMap(Clock::time_point deadline) {
  const int descriptor = xcb_get_file_descriptor(display.connection);
  while (Clock::now() < deadline) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection)) {
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
      std::free(event);
      if (mapped)
        return true;
    }
    pollfd wait{descriptor, POLLIN, 0};
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    poll(&wait, 1, static_cast<int>(std::max<long long>(left, 0)));
  }
  return false;
}

// Starts the program and returns the seconds until its window was mapped; then ends it.
std::optional<double> TimeToMap(const std::string& program) {
  std::vector<char*> arguments{const_cast<char*>(program.c_str()), nullptr};
  const Clock::time_point start = Clock::now();
  pid_t child = -1;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environ) != 0)
    return std::nullopt;
  const bool mapped = WaitForMap(start + std::chrono::seconds(20));
  const Clock::time_point end = Clock::now();
  kill(child, SIGTERM);
  int status = 0;
  waitpid(child, &status, 0);
  if (!mapped)
    return std::nullopt;
  return std::chrono::duration<double>(end - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The time is the configurator's; the counters give both medians and their ratio.
void BM_StartUpAgainstAnEmptyWindow(benchmark::State& state) {
  std::vector<double> empty;
  std::vector<double> window;
  for (auto _ : state) {
    const auto bare = TimeToMap(ZELTO_EMPTY_WINDOW_PATH);
    const auto configurator = TimeToMap(ZELTO_WINDOW_PATH);
    if (!bare || !configurator) {
      state.SkipWithError("a program did not map its window");
      return;
    }
    empty.push_back(*bare);
    window.push_back(*configurator);
    state.SetIterationTime(*configurator);
  }
  state.counters["empty_ms"] = Median(empty) * 1e3;
  state.counters["window_ms"] = Median(window) * 1e3;
  state.counters["ratio"] = Median(window) / Median(empty);
}

BENCHMARK(BM_StartUpAgainstAnEmptyWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(21);

}  // namespace

int main(int argc, char** argv) {
  if (!WatchRoot()) {
    std::fprintf(stderr,
                 "startup_bench: no X server; run it under Xvfb (see docs/performance.md)\n");
    return 1;
  }
  // Both programs draw on that server, whatever the caller's platform setting says.
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
