// How long the window takes from the program's start to its first frame on the screen, against
// an empty main window of the same size, each in a fresh process as a user starts it, both in
// the same run. Run under a real display (Xvfb will do); the offscreen platform shows a window
// at once and says little. Each iteration starts this program again as a child that builds one
// of the two windows and reports its time.
#include "app/zelto.h"
#include "app/zelto_application.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace zelto::app {
namespace {

constexpr char kChildOption[] = "--child=";

QString self;
// The configurator's size, learnt from a first run, so that the empty window has as many pixels
// to fill.
QSize windowSize;

// No serial device scan: the machine's ports are not what is measured.
LinkSetup QuietPorts() {
  LinkSetup setup;
  setup.scanPorts = [] { return std::vector<SystemPort>{}; };
  return setup;
}

// In the child: the time from before the application object to the window's first exposure,
// and the window's size. `which` is "window", or "empty" followed by the size to take.
int RunChild(int argc, char** argv, const char* which) {
  QElapsedTimer clock;
  clock.start();
  ZeltoApplication application(argc, argv);
  application.setApplicationName(BuildProductKey());
  std::unique_ptr<QMainWindow> window;
  int width = 0;
  int height = 0;
  if (std::sscanf(which, "empty %dx%d", &width, &height) == 2) {
    window = std::make_unique<QMainWindow>();
    window->resize(width, height);
  } else {
    window = std::make_unique<TZelto>(BuildProductKey(), QuietPorts());
  }
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get()))
    return 1;
  std::printf("%lld %d %d\n", static_cast<long long>(clock.nsecsElapsed()), window->width(),
              window->height());
  return 0;
}

// The child's time in seconds; nothing when it did not show its window.
std::optional<double> TimeChild(const QString& which) {
  QProcess child;
  child.start(self, {QString::fromLatin1(kChildOption) + which});
  if (!child.waitForFinished(30000) || child.exitCode() != 0)
    return std::nullopt;
  const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
  if (figures.size() != 3)
    return std::nullopt;
  windowSize = QSize(figures[1].toInt(), figures[2].toInt());
  return figures[0].toDouble() / 1e9;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Each iteration starts an empty window's process and then the configurator's, so that what
// else the machine does weighs on both alike. The time is the configurator's; the counters
// give both medians and their ratio.
void BM_StartUpAgainstAnEmptyWindow(benchmark::State& state) {
  std::vector<double> empty;
  std::vector<double> configurator;
  for (auto _ : state) {
    const auto bare =
        TimeChild(QStringLiteral("empty %1x%2").arg(windowSize.width()).arg(windowSize.height()));
    const auto window = TimeChild(QStringLiteral("window"));
    if (!bare || !window) {
      state.SkipWithError("a child did not show its window");
      return;
    }
    empty.push_back(*bare);
    configurator.push_back(*window);
    state.SetIterationTime(*window);
  }
  state.counters["empty_ms"] = Median(empty) * 1e3;
  state.counters["window_ms"] = Median(configurator) * 1e3;
  state.counters["ratio"] = Median(configurator) / Median(empty);
}

BENCHMARK(BM_StartUpAgainstAnEmptyWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(21);

}  // namespace
}  // namespace zelto::app

int main(int argc, char** argv) {
  if (argc == 2 && std::strncmp(argv[1], zelto::app::kChildOption, 8) == 0)
    return zelto::app::RunChild(argc, argv, argv[1] + 8);
  QCoreApplication application(argc, argv);
  zelto::app::self = QCoreApplication::applicationFilePath();
  if (!zelto::app::TimeChild(QStringLiteral("window"))) {
    std::fprintf(stderr, "startup_bench: the window does not show; is there a display?\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
