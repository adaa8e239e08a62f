#pragma once

#include "check/check_record.h"

#include <QPainter>
#include <QRectF>

#include <optional>
#include <vector>

namespace zelto::report {

// What the plot of a check's errors shows: the errors of each pass against the points, in % of
// the output span, over the tolerance band.
struct ErrorPlot {
  std::vector<check::MeasuredPoint> asFound;
  std::optional<std::vector<check::MeasuredPoint>> asLeft;
  double tolerance = check::kDefaultTolerance;
};

ErrorPlot PlotOf(const check::CheckRecord& record);

// Draws the plot within `area` of the painter's device, with its axes, their titles and a
// legend, in the interface's language. Sizes follow the device's resolution, so that a page of
// any resolution shows the same. An error beyond the axis (a reading typed by a slip of the
// finger) is drawn at its edge.
void DrawErrorPlot(QPainter& painter, const QRectF& area, const ErrorPlot& plot);

}  // namespace zelto::report
