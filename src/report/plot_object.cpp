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
  // The layout draws the plot's paragraph on the page it begins on too; the plot goes only on
  // the page that shows it, so that a PDF reader finds its labels once.
  if (painter->hasClipping() && !painter->clipBoundingRect().intersects(rect))
    return;
  DrawErrorPlot(*painter, rect, plot_);
}

}  // namespace zelto::report
