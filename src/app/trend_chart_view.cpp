#include "app/trend_chart_view.h"

#include <QWheelEvent>

#include <cmath>

namespace zelto::app {
namespace {

// One notch of an ordinary wheel (120 eighths of a degree) zooms by a fifth.
constexpr double kNotchFactor = 0.8;
constexpr double kEighthsPerNotch = 120.0;

}  // namespace

TrendChartView::TrendChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
  setRubberBand(QChartView::RectangleRubberBand);
}

void TrendChartView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kEighthsPerNotch;
  if (notches == 0.0 || !wheelZoom_) {
    event->ignore();
    return;
  }
  const QPointF inChart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
  wheelZoom_(std::pow(kNotchFactor, notches), chart()->mapToValue(inChart).x());
  event->accept();
}

}  // namespace zelto::app
