#include "report/report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>

#include <cmath>

namespace zelto::report {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kFooterPoints = 7.0;
constexpr double kFooterGapMillimetres = 4.0;

// The text has no "keep together" of its own: the tail is laid out where it falls, and moved
// to a new page when its top and its bottom fall on different ones.
void KeepTailOnOnePage(QTextDocument& document, int keepFrom) {
  const QAbstractTextDocumentLayout& layout = *document.documentLayout();
  const double pageHeight = document.pageSize().height();
  const QTextBlock first = document.findBlock(keepFrom);
  const double top = layout.blockBoundingRect(first).top();
  const double bottom = layout.documentSize().height();
  if (std::floor(top / pageHeight) == std::floor((bottom - 1.0) / pageHeight))
    return;
  QTextBlockFormat pageBreak;
  pageBreak.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  QTextCursor(first).mergeBlockFormat(pageBreak);
}

}  // namespace

void PrintPages(QTextDocument& document, QPagedPaintDevice& device, const Footer& footer,
                int keepFrom) {
  QPainter painter(&device);
  const double dotsPerMillimetre = device.logicalDpiY() / kMillimetresPerInch;
  QFont footerFont = document.defaultFont();
  footerFont.setPointSizeF(kFooterPoints);
  const QFontMetricsF footerMetrics(footerFont, &device);
  const double footerHeight = footerMetrics.height() + kFooterGapMillimetres * dotsPerMillimetre;

  // The painter's origin is the top left of the area within the margins.
  const QSizeF area(device.width(), device.height());
  document.documentLayout()->setPaintDevice(&device);
  document.setDocumentMargin(0);
  document.setPageSize(QSizeF(area.width(), area.height() - footerHeight));
  KeepTailOnOnePage(document, keepFrom);
  const double pageHeight = document.pageSize().height();
  const int pages = document.pageCount();

  for (int page = 0; page < pages; ++page) {
    if (page > 0)
      device.newPage();
    painter.save();
    painter.translate(0, -page * pageHeight);
    const QRectF visible(0, page * pageHeight, area.width(), pageHeight);
    painter.setClipRect(visible);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = visible;
    document.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(footerFont);
    painter.setPen(QColor(0x77, 0x77, 0x77));
    const double top = area.height() - footerMetrics.height();
    painter.drawLine(
        QLineF(0, top - footerMetrics.descent(), area.width(), top - footerMetrics.descent()));
    painter.drawText(QRectF(0, top, area.width(), footerMetrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, footer(page + 1, pages));
  }
}

}  // namespace zelto::report
