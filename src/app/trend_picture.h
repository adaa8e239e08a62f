#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include <vector>

namespace zelto::app {

// One line of the picture's legend: a series as the chart draws it.
struct LegendEntry {
  QString name;
  QColor colour;
};

// What a saved picture of the chart says of itself, beside the chart.
struct TrendPictureText {
  QString device;  // where the values came from
  QString span;    // the time the chart covers
  std::vector<LegendEntry> legend;
};

// The chart as a picture that stands on its own: the device and the time span above it, the
// legend of the series shown below it, as many rows as the chart's width needs, all on the
// chart's own background. The texts go into the PNG's own fields as well (Source, Description,
// Comment).
QByteArray TrendPicturePng(const QPixmap& chart, const TrendPictureText& text, const QFont& font,
                           const QColor& background);

}  // namespace zelto::app
