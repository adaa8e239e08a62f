// The calibration bench in the window: the output check of the connected unit as a wizard, the
// log of the checks kept, and their reports.
#include "app/check_log_dialog.h"
#include "app/check_wizard.h"
#include "app/window_reporter.h"
#include "app/window_texts.h"
#include "app/zelto.h"
#include "files/file_outcome.h"
#include "link/link.h"
#include "report/check_report.h"

#include <QAction>
#include <QFile>

namespace zelto::app {
namespace {

constexpr const char* kReportFiles = QT_TRANSLATE_NOOP("Zelto", "Протоколы (*.pdf)|*.pdf");

}  // namespace

void TZelto::CheckOutputClick() {
  if (!RequireConnectedDevice())
    return;
  CheckWizardHost host{*link_,
                       *reporter_,
                       SelectedModel(),
                       [this] { return BackupSettingsNow(); },
                       [this] { return form_.VerifyAfterWrite->isChecked(); },
                       [this](const check::CheckRecord& record) { return SaveCheckReport(record); },
                       [this](const std::function<void()>& handler) { gate_.Run(handler); },
                       [this](std::chrono::milliseconds waited) { waiting_.Waiting(waited); }};
  // Window-modal and not waited for: the wizard's own handlers run through the gate, so that a
  // device exchange keeps the windows painted as the window's other commands do.
  auto* wizard = new CheckWizard(std::move(host), this);
  wizard->setAttribute(Qt::WA_DeleteOnClose);
  wizard->setWindowModality(Qt::WindowModal);
  wizard->show();
}

void TZelto::CheckLogClick() {
  auto* log = new CheckLogDialog(
      [this](const check::CheckRecord& record) {
        gate_.Run([this, &record] { SaveCheckReport(record); });
      },
      this);
  log->setAttribute(Qt::WA_DeleteOnClose);
  log->setWindowModality(Qt::WindowModal);
  log->show();
}

std::string_view TZelto::SaveCheckReport(const check::CheckRecord& record) {
  const auto path =
      ChooseFile(form_.SaveReportDialog, Zelto::tr(kReportFiles), QStringLiteral("pdf"));
  if (!path)
    return {};
  const files::FileOutcome saved =
      report::SaveCheckReport(record, QFile::decodeName(path->c_str()));
  const std::string_view status = saved == files::FileOutcome::kDone
                                      ? files::kStatusFileWritten
                                      : files::FileFailureStatus(saved);
  reporter_->ShowStatus(status);
  return status;
}

}  // namespace zelto::app
