#include "app/trend_picture.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace zelto::app {
namespace {

constexpr int kMargin = 10;
constexpr int kSwatch = 12;     // the side of a legend entry's colour square
constexpr int kSwatchGap = 6;   // between the square and its name
constexpr int kEntryGap = 18;   // between two entries of a row
constexpr int kSectionGap = 6;  // between the texts and the chart

// Where each legend entry goes in rows no wider than `width`, and the rows' total height.
struct LegendLayout {
  std::vector<QPoint> places;
  int height = 0;
};

LegendLayout LayOutLegend(const std::vector<LegendEntry>& legend, const QFontMetrics& metrics,
                          int width) {
  LegendLayout layout;
  const int rowHeight = std::max(kSwatch, metrics.height());
  int x = kMargin;
  int y = 0;
  for (const LegendEntry& entry : legend) {
    const int entryWidth = kSwatch + kSwatchGap + metrics.horizontalAdvance(entry.name);
    if (x > kMargin && x + entryWidth > width - kMargin) {
      x = kMargin;
      y += rowHeight;
    }
    layout.places.emplace_back(x, y);
    x += entryWidth + kEntryGap;
  }
  layout.height = legend.empty() ? 0 : y + rowHeight;
  return layout;
}

}  // namespace

QByteArray TrendPicturePng(const QPixmap& chart, const TrendPictureText& text, const QFont& font,
                           const QColor& background) {
  const qreal ratio = chart.devicePixelRatio();
  const int width = static_cast<int>(chart.width() / ratio);
  const int chartHeight = static_cast<int>(chart.height() / ratio);
  QFont heading = font;
  heading.setBold(true);
  const QFontMetrics headingMetrics(heading);
  const QFontMetrics metrics(font);
  const LegendLayout legend = LayOutLegend(text.legend, metrics, width);

  const int chartTop = kMargin + headingMetrics.height() + metrics.height() + kSectionGap;
  const int legendTop = chartTop + chartHeight + kSectionGap;
  const int height = legendTop + legend.height + kMargin;

  QImage image(QSize(width, height) * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(background);
  {
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(heading);
    const QRect textLine(kMargin, kMargin, width - 2 * kMargin, headingMetrics.height());
    painter.drawText(textLine, Qt::AlignLeft | Qt::AlignVCenter,
                     headingMetrics.elidedText(text.device, Qt::ElideRight, textLine.width()));
    painter.setFont(font);
    painter.drawText(textLine.translated(0, headingMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(text.span, Qt::ElideRight, textLine.width()));
    painter.drawPixmap(QPoint(0, chartTop), chart);
    const int rowHeight = std::max(kSwatch, metrics.height());
    for (std::size_t i = 0; i < text.legend.size(); ++i) {
      const QPoint place = legend.places[i] + QPoint(0, legendTop);
      painter.fillRect(QRect(place.x(), place.y() + (rowHeight - kSwatch) / 2, kSwatch, kSwatch),
                       text.legend[i].colour);
      painter.drawText(QRect(place.x() + kSwatch + kSwatchGap, place.y(), width, rowHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, text.legend[i].name);
    }
  }
  QStringList names;
  for (const LegendEntry& entry : text.legend)
    names << entry.name;
  image.setText(QStringLiteral("Source"), text.device);
  image.setText(QStringLiteral("Description"), text.span);
  image.setText(QStringLiteral("Comment"), names.join(QStringLiteral(", ")));

  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}

}  // namespace zelto::app
