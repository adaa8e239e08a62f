#pragma once

#include "app/trend_history.h"
#include "files/file_outcome.h"
#include "files/recording_file.h"
#include "link/monitor.h"
#include "link/reporter.h"

#include <QPointer>
#include <QString>

#include <chrono>
#include <string>

class QWidget;

namespace zelto::app {

class TrendWindow;

// What the monitor poll feeds besides its slots: the history the plot window shows, and the
// CSV recording. The plot window is built the first time it is asked for and lives with the
// main window; the history and a recording go on whether it shows or not.
class MonitorTrend {
 public:
  MonitorTrend(QWidget& owner, Reporter& reporter);
  ~MonitorTrend();
  MonitorTrend(const MonitorTrend&) = delete;
  MonitorTrend& operator=(const MonitorTrend&) = delete;

  const TrendHistory& History() const { return history_; }

  // One poll cycle, started at these times: into the history, the plot and the recording. A
  // recording that cannot take its line stops, with "Ошибка записи файла".
  void Add(std::chrono::system_clock::time_point start,
           std::chrono::steady_clock::time_point steadyStart, const MonitorCycle& cycle);

  bool HasWindow() const { return !window_.isNull(); }
  // The plot window, built now if it was not.
  TrendWindow& Window();
  void CloseWindow();

  // Starts recording into the file: its header now, then a line per cycle. False, with the
  // status saying why, when the file could not be opened or take the header.
  bool StartRecording(const std::string& path);
  void StopRecording();
  bool Recording() const { return recording_.IsOpen(); }

  // The chart as a PNG picture naming the device, and the whole history as a recording would
  // have written it.
  files::FileOutcome SaveChartPng(const std::string& path, const QString& device);
  files::FileOutcome SaveHistory(const std::string& path);

 private:
  void RecordingStopped();

  QWidget& owner_;
  Reporter& reporter_;
  TrendHistory history_;
  files::RecordingFile recording_;
  QString recordingName_;  // the file recorded into, as the user named it
  QPointer<TrendWindow> window_;
};

}  // namespace zelto::app
