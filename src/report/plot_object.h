#pragma once

#include "report/error_plot.h"

#include <QObject>
#include <QTextCursor>
#include <QTextObjectInterface>

namespace zelto::report {

// The error plot as an object of the report's text: laid out and paginated with the text
// around it, and drawn by DrawErrorPlot with the page's own painter, so that it stays vector
// graphics in the PDF.
class PlotObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  // Registers itself with the document's layout; the document must not outlive it.
  PlotObject(QTextDocument& document, ErrorPlot plot);

  // Puts the plot at the cursor, as wide as the text and a little under half as high.
  void InsertAt(QTextCursor& cursor) const;

  QSizeF intrinsicSize(QTextDocument* document, int positionInDocument,
                       const QTextFormat& format) override;
  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                  int positionInDocument, const QTextFormat& format) override;

 private:
  ErrorPlot plot_;
};

}  // namespace zelto::report
