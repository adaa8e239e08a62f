#include "report/error_plot.h"

#include "check/check_texts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zelto::report {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kFontPoints = 7.5;
constexpr double kTitlePoints = 10.0;
// The axis reaches this far beyond the tolerance, and beyond the largest error.
constexpr double kToleranceHeadroom = 1.6;
constexpr double kErrorHeadroom = 1.15;
// Beyond this the errors are no calibration's: the axis stops there and they stay at its edge.
constexpr double kLargestAxis = 100.0;
constexpr int kPercentTicks = 10;
constexpr int kWantedErrorTicks = 4;  // on either side of zero

const QColor kAsFoundColour(0xc9, 0x3c, 0x0b);
const QColor kAsLeftColour(0x17, 0x5e, 0xa8);
const QColor kBandColour(0xd8, 0xf0, 0xdc);
const QColor kBandEdgeColour(0x3a, 0x8a, 0x4a);
const QColor kGridColour(0xdd, 0xdd, 0xdd);

QString Translated(const char* text) {
  return QCoreApplication::translate("report", text);
}

// Device units of a length in millimetres on this painter's device.
struct Scale {
  double dotsPerMillimetre;
  double operator()(double millimetres) const { return millimetres * dotsPerMillimetre; }
};

// A tick step of 1, 2, 2.5 or 5 times a power of ten, the smallest that leaves at most `ticks`
// steps up to `limit`.
double TickStep(double limit, int ticks) {
  const double raw = limit / ticks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double mantissa : {1.0, 2.0, 2.5, 5.0, 10.0}) {
    if (mantissa * power >= raw)
      return mantissa * power;
  }
  return 10.0 * power;
}

int TickDecimals(double step) {
  int decimals = 0;
  while (decimals < 6 && std::abs(step * std::pow(10.0, decimals) -
                                  std::round(step * std::pow(10.0, decimals))) > 1e-9)
    ++decimals;
  return decimals;
}

double LargestError(const ErrorPlot& plot) {
  double largest = 0.0;
  const auto take = [&largest](const std::vector<check::MeasuredPoint>& points) {
    for (const check::MeasuredPoint& point : points) {
      if (point.measured && std::isfinite(point.error))
        largest = std::max(largest, std::abs(point.error));
    }
  };
  take(plot.asFound);
  if (plot.asLeft)
    take(*plot.asLeft);
  return largest;
}

// The error axis: from -limit to +limit in steps.
struct ErrorAxis {
  double limit;
  double step;
};

ErrorAxis AxisOf(const ErrorPlot& plot) {
  const double wanted =
      std::max(plot.tolerance * kToleranceHeadroom, LargestError(plot) * kErrorHeadroom);
  const double capped =
      std::min(wanted, std::max(plot.tolerance * kToleranceHeadroom, kLargestAxis));
  const double step = TickStep(capped, kWantedErrorTicks);
  return {std::ceil(capped / step - 1e-9) * step, step};
}

enum class LegendMark { kCircle, kSquare, kBand };

class PlotPainter {
 public:
  PlotPainter(QPainter& painter, const QRectF& area, const ErrorPlot& plot)
      : painter_(painter),
        plot_(plot),
        mm_{painter.device()->logicalDpiX() / kMillimetresPerInch},
        axis_(AxisOf(plot)),
        area_(area) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFontPoints);
    painter_.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    line_ = metrics.height();
    const double labelWidth = std::max(metrics.horizontalAdvance(Label(-axis_.limit)),
                                       metrics.horizontalAdvance(Label(axis_.limit)));
    // Room for the legend above, the percent labels and the axis title below, the error labels
    // and the rotated axis title on the left.
    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPointSizeF(kTitlePoints);
    title_ = QFontMetricsF(titleFont, painter.device()).height();
    frame_ = area.adjusted(line_ * 1.4 + labelWidth + mm_(2.0), title_ + line_ * 2.4, -mm_(2.0),
                           -(line_ * 2.6 + mm_(1.5)));
  }

  void Draw() {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    DrawBand();
    DrawGrid();
    painter_.save();
    painter_.setClipRect(frame_.adjusted(-mm_(1.5), -mm_(1.5), mm_(1.5), mm_(1.5)),
                         Qt::IntersectClip);
    DrawSeries(plot_.asFound, kAsFoundColour, false);
    if (plot_.asLeft)
      DrawSeries(*plot_.asLeft, kAsLeftColour, true);
    painter_.restore();
    DrawFrameAndTitles();
    DrawLegend();
    DrawTitle();
    painter_.restore();
  }

 private:
  QString Label(double value) const {
    const QString text = check::CommaNumber(value, TickDecimals(axis_.step));
    return value > 0 ? QLatin1Char('+') + text : text;
  }

  double X(double percent) const { return frame_.left() + frame_.width() * percent / 100.0; }

  double Y(double error) const {
    const double clamped = std::clamp(error, -axis_.limit, axis_.limit);
    return frame_.center().y() - frame_.height() / 2.0 * clamped / axis_.limit;
  }

  QPen Pen(const QColor& colour, double millimetres, Qt::PenStyle style = Qt::SolidLine) const {
    QPen pen(colour, mm_(millimetres), style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
  }

  void DrawBand() {
    const double tolerance = std::min(plot_.tolerance, axis_.limit);
    const QRectF band(QPointF(frame_.left(), Y(tolerance)), QPointF(frame_.right(), Y(-tolerance)));
    painter_.fillRect(band, kBandColour);
    painter_.setPen(Pen(kBandEdgeColour, 0.25, Qt::DashLine));
    painter_.drawLine(QLineF(band.topLeft(), band.topRight()));
    painter_.drawLine(QLineF(band.bottomLeft(), band.bottomRight()));
  }

  void DrawGrid() {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    painter_.setPen(Pen(kGridColour, 0.15));
    for (int tick = 0; tick <= kPercentTicks; ++tick) {
      const double x = X(100.0 * tick / kPercentTicks);
      painter_.setPen(Pen(kGridColour, 0.15));
      painter_.drawLine(QLineF(x, frame_.top(), x, frame_.bottom()));
      const QString label = QString::number(100 * tick / kPercentTicks);
      painter_.setPen(Qt::black);
      painter_.drawText(QPointF(x - metrics.horizontalAdvance(label) / 2.0,
                                frame_.bottom() + mm_(1.0) + metrics.ascent()),
                        label);
    }
    const int steps = static_cast<int>(std::lround(axis_.limit / axis_.step));
    for (int tick = -steps; tick <= steps; ++tick) {
      const double value = tick * axis_.step;
      const double y = Y(value);
      painter_.setPen(tick == 0 ? Pen(Qt::gray, 0.3) : Pen(kGridColour, 0.15));
      painter_.drawLine(QLineF(frame_.left(), y, frame_.right(), y));
      const QString label = Label(value);
      painter_.setPen(Qt::black);
      painter_.drawText(QPointF(frame_.left() - mm_(1.0) - metrics.horizontalAdvance(label),
                                y + metrics.ascent() / 2.0 - metrics.descent() / 2.0),
                        label);
    }
  }

  void Marker(const QPointF& at, bool square) {
    const double half = mm_(0.9);
    const QRectF box(at.x() - half, at.y() - half, 2 * half, 2 * half);
    if (square)
      painter_.drawRect(box);
    else
      painter_.drawEllipse(box);
  }

  // The measured points joined in their order; a point without a current breaks the line.
  void DrawSeries(const std::vector<check::MeasuredPoint>& points, const QColor& colour,
                  bool square) {
    QPainterPath path;
    bool open = false;
    for (const check::MeasuredPoint& point : points) {
      if (!point.measured || !std::isfinite(point.error)) {
        open = false;
        continue;
      }
      const QPointF at(X(point.point.percent), Y(point.error));
      if (open)
        path.lineTo(at);
      else
        path.moveTo(at);
      open = true;
    }
    painter_.setPen(Pen(colour, 0.4));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.setBrush(colour);
    painter_.setPen(Qt::NoPen);
    for (const check::MeasuredPoint& point : points) {
      if (point.measured && std::isfinite(point.error))
        Marker(QPointF(X(point.point.percent), Y(point.error)), square);
    }
    painter_.setBrush(Qt::NoBrush);
  }

  void DrawFrameAndTitles() {
    painter_.setPen(Pen(Qt::black, 0.25));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(frame_);
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QString percentTitle = Translated(QT_TRANSLATE_NOOP("report", "Точка, % диапазона"));
    painter_.drawText(QPointF(frame_.center().x() - metrics.horizontalAdvance(percentTitle) / 2.0,
                              frame_.bottom() + mm_(1.5) + line_ + metrics.ascent()),
                      percentTitle);
    const QString errorTitle =
        Translated(QT_TRANSLATE_NOOP("report", "Погрешность, % диапазона выхода"));
    painter_.save();
    painter_.translate(area_.left() + metrics.ascent(),
                       frame_.center().y() + metrics.horizontalAdvance(errorTitle) / 2.0);
    painter_.rotate(-90.0);
    painter_.drawText(QPointF(0, 0), errorTitle);
    painter_.restore();
  }

  void LegendEntry(double& x, double y, const QString& text, const QColor& colour,
                   LegendMark mark) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const double middle = y - metrics.ascent() / 2.0 + metrics.descent() / 2.0;
    if (mark == LegendMark::kBand) {
      painter_.fillRect(QRectF(x, middle - mm_(1.2), mm_(6.0), mm_(2.4)), kBandColour);
      painter_.setPen(Pen(kBandEdgeColour, 0.25, Qt::DashLine));
      painter_.drawLine(QLineF(x, middle - mm_(1.2), x + mm_(6.0), middle - mm_(1.2)));
      painter_.drawLine(QLineF(x, middle + mm_(1.2), x + mm_(6.0), middle + mm_(1.2)));
    } else {
      painter_.setPen(Pen(colour, 0.4));
      painter_.drawLine(QLineF(x, middle, x + mm_(6.0), middle));
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(colour);
      Marker(QPointF(x + mm_(3.0), middle), mark == LegendMark::kSquare);
      painter_.setBrush(Qt::NoBrush);
    }
    x += mm_(7.5);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(x, y), text);
    x += metrics.horizontalAdvance(text) + mm_(6.0);
  }

  // The plot's heading, kept with it on one page.
  void DrawTitle() {
    QFont font = painter_.font();
    font.setBold(true);
    font.setPointSizeF(kTitlePoints);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(
        QPointF(area_.left(), area_.top() + QFontMetricsF(font, painter_.device()).ascent()),
        Translated(QT_TRANSLATE_NOOP("report", "Погрешность в точках проверки")));
  }

  void DrawLegend() {
    double x = frame_.left();
    const double y = frame_.top() - line_ * 0.8;
    LegendEntry(x, y, check::PassTitle(check::CheckPass::kAsFound), kAsFoundColour,
                LegendMark::kCircle);
    if (plot_.asLeft)
      LegendEntry(x, y, check::PassTitle(check::CheckPass::kAsLeft), kAsLeftColour,
                  LegendMark::kSquare);
    LegendEntry(x, y,
                Translated(QT_TRANSLATE_NOOP("report", "допуск ±%1 %"))
                    .arg(check::CommaNumber(plot_.tolerance, TickDecimals(plot_.tolerance))),
                kBandEdgeColour, LegendMark::kBand);
  }

  QPainter& painter_;
  const ErrorPlot& plot_;
  Scale mm_;
  ErrorAxis axis_;
  double line_ = 0.0;
  double title_ = 0.0;
  QRectF area_;
  QRectF frame_;
};

}  // namespace

ErrorPlot PlotOf(const check::CheckRecord& record) {
  return {record.asFound, record.asLeft, record.tolerance};
}

void DrawErrorPlot(QPainter& painter, const QRectF& area, const ErrorPlot& plot) {
  PlotPainter(painter, area, plot).Draw();
}

}  // namespace zelto::report
