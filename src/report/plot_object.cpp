#include "report/plot_object.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

namespace zelto::report {
namespace {

constexpr int kPlotFormat = QTextFormat::UserObject + 1;
constexpr double kHeightToWidth = 0.46;

}  // namespace

PlotObject::PlotObject(QTextDocument& document, ErrorPlot plot) : plot_(std::move(plot)) {
  document.documentLayout()->registerHandler(kPlotFormat, this);
}

void PlotObject::InsertAt(QTextCursor& cursor) const {
  QTextCharFormat format;
  format.setObjectType(kPlotFormat);
  cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

QSizeF PlotObject::intrinsicSize(QTextDocument* document, int /*positionInDocument*/,
                                 const QTextFormat& /*format*/) {
  // The text's width, less the margins of the frame and a hair for the line's own rounding.
  const double width = document->textWidth() - 2 * document->documentMargin() - 4;
  return {width, width * kHeightToWidth};
}

void PlotObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* /*document*/,
                            int /*positionInDocument*/, const QTextFormat& /*format*/) {
  // The layout hands the plot to the page before the one it moved to as well, overlapping it by
  // a rounding hair; what is clipped away still goes into a PDF as text a reader finds. The
  // plot goes only on the page that shows most of it.
  if (painter->hasClipping() &&
      painter->clipBoundingRect().intersected(rect).height() < rect.height() / 2)
    return;
  DrawErrorPlot(*painter, rect, plot_);
}

}  // namespace zelto::report
