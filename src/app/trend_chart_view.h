#pragma once

#include <QChartView>

#include <functional>

namespace zelto::app {

// The trend chart as the user handles it: a rubber band zooms into the rectangle drawn, a right
// click zooms back out (both QChartView's own), and the mouse wheel zooms the time axis about
// the time under the pointer, which the chart leaves to its owner.
class TrendChartView final : public QChartView {
 public:
  // factor < 1 zooms in; atMs is the time under the pointer.
  using WheelZoom = std::function<void(double factor, double atMs)>;

  TrendChartView(QChart* chart, QWidget* parent);
  void SetWheelZoom(WheelZoom zoom) { wheelZoom_ = std::move(zoom); }

 protected:
  void wheelEvent(QWheelEvent* event) override;

 private:
  WheelZoom wheelZoom_;
};

}  // namespace zelto::app
