#include "app/monitor_trend.h"

#include "app/trend_window.h"
#include "files/saved_file.h"
#include "link/monitor_csv.h"

#include <QFile>

#include <span>

namespace zelto::app {
namespace {

// The plot shows the monitor button's poll.
constexpr MonitorSet kPlottedSet = MonitorSet::kFull;

}  // namespace

MonitorTrend::MonitorTrend(QWidget& owner, Reporter& reporter)
    : owner_(owner), reporter_(reporter), history_(MonitorAddresses(kPlottedSet)) {}

MonitorTrend::~MonitorTrend() {
  // The window shows the history by reference: it goes first, rather than with the main
  // window's children after the history is gone.
  delete window_.data();
}

void MonitorTrend::Add(std::chrono::system_clock::time_point start,
                       std::chrono::steady_clock::time_point steadyStart,
                       const MonitorCycle& cycle) {
  history_.Append(start, steadyStart, cycle.readings);
  if (recording_.IsOpen() && !recording_.Append(MonitorCsvLine(start, cycle.readings))) {
    reporter_.ShowStatus(files::kStatusFileWriteError);
    RecordingStopped();
  }
  if (window_)
    window_->HistoryGrew();
}

TrendWindow& MonitorTrend::Window() {
  if (!window_) {
    window_ = new TrendWindow(history_, &owner_);
    window_->SetRecording(Recording() ? std::optional(recordingName_) : std::nullopt);
  }
  return *window_;
}

void MonitorTrend::CloseWindow() {
  if (window_)
    window_->close();
}

bool MonitorTrend::StartRecording(const std::string& path) {
  const files::FileOutcome opened = recording_.Open(path);
  if (opened != files::FileOutcome::kDone) {
    reporter_.ShowStatus(files::FileFailureStatus(opened));
    RecordingStopped();
    return false;
  }
  if (!recording_.Append(MonitorCsvHeader(kPlottedSet))) {
    reporter_.ShowStatus(files::kStatusFileWriteError);
    RecordingStopped();
    return false;
  }
  recordingName_ = QFile::decodeName(QByteArray::fromStdString(path));
  if (window_)
    window_->SetRecording(recordingName_);
  return true;
}

void MonitorTrend::StopRecording() {
  RecordingStopped();
}

void MonitorTrend::RecordingStopped() {
  recording_.Close();
  if (window_)
    window_->SetRecording(std::nullopt);
}

files::FileOutcome MonitorTrend::SaveChartPng(const std::string& path, const QString& device) {
  const QByteArray png = Window().ChartPng(device);
  return files::SaveReported(path, std::span(png.constData(), static_cast<std::size_t>(png.size())),
                             reporter_);
}

files::FileOutcome MonitorTrend::SaveHistory(const std::string& path) {
  std::string text = MonitorCsvHeader(kPlottedSet) + '\n';
  for (std::size_t cycle = 0; cycle < history_.Cycles(); ++cycle)
    text += MonitorCsvLine(history_.WallTimeAt(cycle), history_.ReadingsAt(cycle)) + '\n';
  return files::SaveReported(path, text, reporter_);
}

}  // namespace zelto::app
