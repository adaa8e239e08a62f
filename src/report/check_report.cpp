#include "report/check_report.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace zelto::report {

files::FileOutcome SaveCheckReport(const check::CheckRecord& record, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return files::FileOutcome::kCannotOpen;
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(QCoreApplication::translate("report", "Протокол проверки"));
    QTextDocument document;
    document.setPlainText(QCoreApplication::translate("report", "Протокол проверки") + "\n" +
                          QString::fromStdString(record.tag));
    document.print(&writer);
  }
  return file.commit() ? files::FileOutcome::kDone : files::FileOutcome::kWriteFailed;
}

}  // namespace zelto::report
