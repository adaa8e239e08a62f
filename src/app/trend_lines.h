#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include <vector>

class QAbstractAxis;
class QChart;
class QLineSeries;
class QScatterSeries;

namespace zelto::app {

struct TrendRuns;

// One address's trend on the chart: its runs as lines, each drawn in pieces of a few dozen
// points that share their end points, and the points that stand alone as dots. Qt Charts
// redraws a whole series whenever any point of it changes; handed over in pieces, a new cycle
// changes the last piece only, and only what changed is handed over.
class TrendLines {
 public:
  // The series are named after the address and drawn in its colour, against both axes.
  TrendLines(QChart& chart, QAbstractAxis& timeAxis, QAbstractAxis& valueAxis, QString name,
             QColor colour);

  void Show(const TrendRuns& runs);
  void Hide();

 private:
  QLineSeries* AddPiece();

  QChart& chart_;
  QAbstractAxis& timeAxis_;
  QAbstractAxis& valueAxis_;
  QString name_;
  QColor colour_;
  std::vector<QLineSeries*> pieces_;   // owned by the chart
  std::vector<QList<QPointF>> drawn_;  // what each piece holds
  QScatterSeries* alone_;
  QList<QPointF> drawnAlone_;
};

}  // namespace zelto::app
