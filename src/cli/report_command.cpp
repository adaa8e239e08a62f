#include "cli/report_command.h"

#include "check/check_store.h"
#include "cli/exit_codes.h"
#include "cli/qt_core.h"
#include "files/file_outcome.h"
#include "link/status_translation.h"
#include "report/check_report.h"

#include <QDir>
#include <QFileInfo>

namespace zelto::cli {

bool DrawsReport(const Invocation& invocation) {
  return invocation.command == "report" ||
         (invocation.command == "check" && Has(invocation.values, "--report"));
}

std::optional<std::string> UnwritableReport(const std::string& path) {
  const QFileInfo file(QString::fromStdString(path));
  const QFileInfo folder(file.absolutePath());
  if (folder.isDir() && folder.isWritable() && !file.isDir())
    return std::nullopt;
  return ToolText(QT_TRANSLATE_NOOP("cli", "протокол не может быть записан в '%1'"), {path});
}

int RenderReport(const check::CheckRecord& record, const std::string& path, Output& output) {
  const QtCore qt(QtPart::kGui);  // made already by the program for its command
  if (!QtCore::HasGui()) {
    output.Problem("the report's fonts need Qt Gui's application object, made before any other");
    return kExitSystemError;
  }
  const files::FileOutcome saved = report::SaveCheckReport(record, QString::fromStdString(path));
  if (saved != files::FileOutcome::kDone) {
    output.Problem(ToolText(QT_TRANSLATE_NOOP("cli", "протокол не записан в '%1'"), {path}));
    output.Status(files::kStatusFileWriteError);
    return kExitFileError;
  }
  output.Result().insert("report", JsonText(path));
  return kExitSuccess;
}

int RunReport(const Invocation& invocation, Output& output) {
  if (invocation.operands.empty())
    return UsageError(output, ToolText(QT_TRANSLATE_NOOP("cli", "report нужен ID проверки")));
  const auto out = invocation.values.find("--out");
  if (out == invocation.values.end() || out->second.empty())
    return UsageError(output, ToolText(QT_TRANSLATE_NOOP("cli", "report нужен --out ФАЙЛ.pdf")));
  const std::string& id = invocation.operands.front();
  const auto loaded = check::CheckStore().Load(id);
  if (const auto* failure = std::get_if<check::CheckStore::LoadFailure>(&loaded)) {
    if (failure->missing)
      return UsageError(output, failure->reason);
    output.Problem("output check " + id + ": " + failure->reason);
    return kExitFileError;
  }
  return RenderReport(std::get<check::CheckRecord>(loaded), out->second, output);
}

}  // namespace zelto::cli
