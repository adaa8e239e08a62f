#include "report/check_report.h"

#include "report/plot_object.h"
#include "report/report_document.h"
#include "report/report_pages.h"

#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace zelto::report {
namespace {

// Printer's resolution: fine enough for the plot's thinnest lines, the PDF stays vector.
constexpr int kDotsPerInch = 600;
constexpr double kSideMarginMillimetres = 18.0;
constexpr double kTopMarginMillimetres = 15.0;
constexpr double kBottomMarginMillimetres = 12.0;

}  // namespace

files::FileOutcome SaveCheckReport(const check::CheckRecord& record, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return files::FileOutcome::kCannotOpen;
  {
    QPdfWriter writer(&file);
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kSideMarginMillimetres, kTopMarginMillimetres,
                                               kSideMarginMillimetres, kBottomMarginMillimetres),
                                     QPageLayout::Millimeter));
    writer.setTitle(ReportTitle() + QLatin1Char(' ') + QString::fromStdString(record.id));
    writer.setCreator(QStringLiteral("Zelto"));
    QTextDocument document;
    const PlotObject plot(document, PlotOf(record));
    const int closing = WriteReport(document, record, plot);
    PrintPages(
        document, writer,
        [&record](int page, int pages) { return PageFooter(record, page, pages); }, closing);
  }
  return file.commit() ? files::FileOutcome::kDone : files::FileOutcome::kWriteFailed;
}

}  // namespace zelto::report
