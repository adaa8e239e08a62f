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

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace zelto::app {
namespace {

constexpr char kChildOption[] = "--child=";
// The configurator's size, so that the empty window has as many pixels to fill.
constexpr QSize kWindowSize{660, 740};

QString self;

// No serial device scan: the machine's ports are not what is measured.
LinkSetup QuietPorts() {
  LinkSetup setup;
  setup.scanPorts = [] { return std::vector<SystemPort>{}; };
  return setup;
}

// In the child: the time from before the application object to the window's first exposure.
int RunChild(int argc, char** argv, const char* which) {
  QElapsedTimer clock;
  clock.start();
  ZeltoApplication application(argc, argv);
  application.setApplicationName(BuildProductKey());
  std::unique_ptr<QMainWindow> window;
  if (std::strcmp(which, "empty") == 0) {
    window = std::make_unique<QMainWindow>();
    window->resize(kWindowSize);
  } else {
    window = std::make_unique<TZelto>(BuildProductKey(), QuietPorts());
  }
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get()))
    return 1;
  std::printf("%lld\n", static_cast<long long>(clock.nsecsElapsed()));
  return 0;
}

void MeasureChild(benchmark::State& state, const char* which) {
  for (auto _ : state) {
    QProcess child;
    child.start(self, {QString::fromLatin1(kChildOption) + QLatin1String(which)});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
      state.SkipWithError("the child did not show its window");
      return;
    }
    state.SetIterationTime(child.readAllStandardOutput().trimmed().toDouble() / 1e9);
  }
}

void BM_EmptyMainWindow(benchmark::State& state) {
  MeasureChild(state, "empty");
}

void BM_ConfiguratorWindow(benchmark::State& state) {
  MeasureChild(state, "window");
}

BENCHMARK(BM_EmptyMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_ConfiguratorWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace
}  // namespace zelto::app

int main(int argc, char** argv) {
  if (argc == 2 && std::strncmp(argv[1], zelto::app::kChildOption, 8) == 0)
    return zelto::app::RunChild(argc, argv, argv[1] + 8);
  QCoreApplication application(argc, argv);
  zelto::app::self = QCoreApplication::applicationFilePath();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
