#include "app/trend_lines.h"

#include "app/trend_history.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>

#include <algorithm>

namespace zelto::app {
namespace {

// Points a piece holds; the last is the next piece's first.
constexpr std::ptrdiff_t kPiecePoints = 64;
constexpr qreal kDotSize = 5;

// A stretch of the runs' points.
struct Stretch {
  const TrendRuns::Point* begin;
  const TrendRuns::Point* end;
};

bool SameAs(const QList<QPointF>& drawn, Stretch wanted) {
  return drawn.size() == wanted.end - wanted.begin &&
         std::equal(drawn.begin(), drawn.end(), wanted.begin,
                    [](const QPointF& a, const TrendRuns::Point& b) {
                      return a.x() == b.x && a.y() == b.y;
                    });
}

QList<QPointF> PointsOf(Stretch stretch) {
  QList<QPointF> points;
  points.reserve(stretch.end - stretch.begin);
  for (const TrendRuns::Point* point = stretch.begin; point != stretch.end; ++point)
    points.append(QPointF(point->x, point->y));
  return points;
}

void SetVisible(QAbstractSeries& series, bool visible) {
  if (series.isVisible() != visible)
    series.setVisible(visible);
}

}  // namespace

TrendLines::TrendLines(QChart& chart, QAbstractAxis& timeAxis, QAbstractAxis& valueAxis,
                       QString name, QColor colour)
    : chart_(chart),
      timeAxis_(timeAxis),
      valueAxis_(valueAxis),
      name_(std::move(name)),
      colour_(colour),
      alone_(new QScatterSeries(&chart)) {
  alone_->setName(name_);
  alone_->setColor(colour_);
  alone_->setBorderColor(colour_);
  alone_->setMarkerSize(kDotSize);
  chart_.addSeries(alone_);
  alone_->attachAxis(&timeAxis_);
  alone_->attachAxis(&valueAxis_);
}

QLineSeries* TrendLines::AddPiece() {
  auto* piece = new QLineSeries(&chart_);
  piece->setName(name_);
  // A one-pixel pen, which the painter draws without stroking a path.
  QPen pen(colour_, 1);
  pen.setCosmetic(true);
  piece->setPen(pen);
  chart_.addSeries(piece);
  piece->attachAxis(&timeAxis_);
  piece->attachAxis(&valueAxis_);
  pieces_.push_back(piece);
  drawn_.emplace_back();
  return piece;
}

void TrendLines::Show(const TrendRuns& runs) {
  std::size_t piece = 0;
  const auto show = [&](Stretch stretch) {
    if (piece == pieces_.size())
      AddPiece();
    if (!SameAs(drawn_[piece], stretch)) {
      drawn_[piece] = PointsOf(stretch);
      pieces_[piece]->replace(drawn_[piece]);
    }
    SetVisible(*pieces_[piece], true);
    ++piece;
  };
  QList<QPointF> alone;
  for (std::size_t run = 0; run < runs.RunCount(); ++run) {
    const TrendRuns::Point* begin = runs.points.data() + runs.runStarts[run];
    const auto size = static_cast<std::ptrdiff_t>(runs.RunSize(run));
    if (size == 1) {
      alone.append(QPointF(begin->x, begin->y));
      continue;
    }
    for (std::ptrdiff_t first = 0; first + 1 < size; first += kPiecePoints - 1)
      show({begin + first, begin + std::min(size, first + kPiecePoints)});
  }
  for (std::size_t spare = piece; spare < pieces_.size(); ++spare) {
    if (!drawn_[spare].isEmpty()) {
      pieces_[spare]->clear();
      drawn_[spare].clear();
    }
  }
  if (drawnAlone_ != alone) {
    drawnAlone_ = std::move(alone);
    alone_->replace(drawnAlone_);
  }
  SetVisible(*alone_, true);
}

void TrendLines::Hide() {
  for (QLineSeries* piece : pieces_)
    SetVisible(*piece, false);
  SetVisible(*alone_, false);
}

}  // namespace zelto::app
