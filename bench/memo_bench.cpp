// What the exchange trace costs the window: appending frame lines to the information memo
// through the window's reporter, 10 000 against 100 000 lines into a memo that starts empty
// (a long service session never trims it). The cost per line should not grow with the lines
// already there.
#include "app/window_reporter.h"
#include "link/frame.h"
#include "link/frame_trace.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>

#include <benchmark/benchmark.h>
#include <chrono>

namespace zelto {
namespace {

// The memo as the window builds it, shown, with its status panel and progress bar.
struct Memo {
  Memo() {
    memo.setReadOnly(true);
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    memo.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memo.resize(800, 300);
    memo.show();
  }

  QLabel status;
  QPlainTextEdit memo;
  QProgressBar progress;
  app::WindowReporter reporter{status, memo, progress};
};

void BM_AppendTraceLines(benchmark::State& state) {
  const auto lines = static_cast<int>(state.range(0));
  Frame request = BuildRequest(0x0150, PayloadFromWord(0x3F800000), CmdWriteWord);
  SealFrame(request);
  const std::string line = FrameTraceLine(request, LinkTrace::Direction::kOutgoing);
  Memo memo;
  double totalNs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    memo.memo.clear();
    QApplication::processEvents();
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < lines; ++i)
      memo.reporter.AddMemoLine(line);
    totalNs +=
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["ns_per_line"] = totalNs / static_cast<double>(state.iterations() * lines);
  state.counters["lines_in_memo"] = memo.memo.document()->blockCount();
}
BENCHMARK(BM_AppendTraceLines)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace zelto

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
