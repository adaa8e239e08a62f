#pragma once

#include "app/file_dialog_on_demand.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QChart;
class QCheckBox;
class QDateTimeAxis;
class QToolButton;
class QValueAxis;

namespace zelto::app {

class TrendChartView;
class TrendHistory;
class TrendLines;
struct TrendRuns;

// The window "График": the monitor's history as a line chart, one series per polled address
// over time, each behind a check box (the seven of the monitor lines shown at first). The view
// follows the newest cycle until paused; zooming (mouse wheel on the time axis, a rubber band
// on both, a right click back out) pauses it, since the user is looking at something. While
// autoscale is on, the value axis spans what is shown. A missing reply breaks the line there.
// The main window binds the controls to handlers and owns the recording.
class TrendWindow final : public QWidget {
 public:
  TrendWindow(const TrendHistory& history, QWidget* parent);
  ~TrendWindow() override;

  QToolButton* PauseButton() const { return pause_; }
  QCheckBox* AutoscaleBox() const { return autoscale_; }
  QToolButton* WholeButton() const { return whole_; }
  QToolButton* SavePngButton() const { return savePng_; }
  QToolButton* RecordButton() const { return record_; }
  QToolButton* SaveHistoryButton() const { return saveHistory_; }
  const std::vector<QCheckBox*>& SeriesBoxes() const { return boxes_; }

  // Shows what the history has gained: the view moves on to the newest cycle unless paused.
  void HistoryGrew();
  // The controls' handlers. Resuming follows the newest cycle again, over the same span.
  void PauseClick();
  void AutoscaleClick();
  // The whole history, followed, with autoscale.
  void WholeClick();
  void SeriesClick();
  // While a recording into the file runs, the record button is down and offers to stop, and
  // the title names the file; nothing: no recording.
  void SetRecording(const std::optional<QString>& file);
  // The plot window's own save dialog, so that the plot stays in front once it has gone.
  const FileDialogOnDemand& SaveDialog() const { return saveDialog_; }

  // The chart as a PNG picture of its size on the screen, with the device, the time span shown
  // and the legend of the series shown.
  QByteArray ChartPng(const QString& device) const;
  bool Following() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildControls();
  QWidget* BuildSeriesBoxes();
  void BuildChart();
  // The newest cycle in view: the whole history over a span it fits in, or the zoomed span
  // moved on once the newest cycle reaches its edge.
  void Follow();
  void ShowRange(double fromMs, double toMs);
  void Redraw();
  void ScaleValues(const std::vector<TrendRuns>& shown);
  // Ticks at whole steps that fit the value axis's range, so that no two labels read alike.
  void FitValueTicks();
  QString SpanText() const;
  void ApplyTimeAxis();
  // What the user did to the axes (rubber band, right click), told apart from the window's own
  // changes.
  void TimeAxisMoved();
  void ValueAxisMoved();
  void ZoomTime(double factor, double atMs);
  void PauseFollowing();

  const TrendHistory& history_;
  QToolButton* pause_;
  QCheckBox* autoscale_;
  QToolButton* whole_;
  QToolButton* savePng_;
  QToolButton* record_;
  QToolButton* saveHistory_;
  std::vector<QCheckBox*> boxes_;
  QChart* chart_ = nullptr;
  TrendChartView* view_ = nullptr;
  QDateTimeAxis* timeAxis_ = nullptr;
  QValueAxis* valueAxis_ = nullptr;
  std::vector<std::unique_ptr<TrendLines>> lines_;  // by address, as the history has them
  FileDialogOnDemand saveDialog_;

  double fromMs_ = 0;
  double toMs_ = 0;
  std::optional<double> spanMs_;  // the followed span; nothing: the whole history
  bool applying_ = false;         // the window itself is setting the axes
  bool stale_ = true;             // changed while hidden: redrawn when shown
  bool fitValues_ = true;         // autoscale fits the values anew at the next redraw
};

}  // namespace zelto::app
