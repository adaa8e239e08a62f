#pragma once

#include "check/check_record.h"
#include "report/plot_object.h"

#include <QString>
#include <QTextDocument>

namespace zelto::report {

// Writes the report's text into the document, in the interface's language and with the decimal
// comma: the unit, its configuration, the instruments, the tolerance, the points of each pass,
// the correction, the plot (placed where it goes), the result in large letters, the engineer,
// the date and a line to sign. The document's page size is the caller's. Returns where the
// closing lines begin (the result, the engineer, the date, the line to sign), which belong on
// one page.
int WriteReport(QTextDocument& document, const check::CheckRecord& record, const PlotObject& plot);

// "Протокол проверки ID": each page's footer names the record it belongs to.
QString ReportTitle();
QString PageFooter(const check::CheckRecord& record, int page, int pages);

}  // namespace zelto::report
