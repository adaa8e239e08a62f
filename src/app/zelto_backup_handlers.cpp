// The window's writes behind their backups: every command that writes to the device reads what
// it will overwrite first (while "Резервная копия перед записью" or "Записывать только
// изменённые слова" is on), "Запись" can show what it would change, and "Отменить последнюю
// запись…" writes the newest backup back.
#include "app/compare_before_write.h"
#include "app/window_config_view.h"
#include "app/window_reporter.h"
#include "app/window_texts.h"
#include "app/zelto.h"
#include "calib/calibration_transfers.h"
#include "config/read_summary.h"
#include "config/summary_lines.h"
#include "config/write_sequences.h"
#include "keep/backup_store.h"
#include "keep/backup_texts.h"
#include "keep/device_backup.h"
#include "keep/restore.h"
#include "keep/write_verification.h"
#include "link/link.h"
#include "link/status_texts.h"
#include "link/status_translation.h"

#include <QAction>
#include <QCheckBox>

#include <array>
#include <optional>
#include <utility>

namespace zelto::app {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// How the undo dialog names what a backup's operation did.
QString OperationText(config::WriteOperation operation) {
  using config::WriteOperation;
  static const std::array<std::pair<WriteOperation, const char*>, 7> kTexts{{
      {WriteOperation::kWrite, QT_TRANSLATE_NOOP("Zelto", "запись конфигурации")},
      {WriteOperation::kCorrect, QT_TRANSLATE_NOOP("Zelto", "подстройка диапазона")},
      {WriteOperation::kResetCorrection, QT_TRANSLATE_NOOP("Zelto", "сброс подстройки диапазона")},
      {WriteOperation::kCalibWrite, QT_TRANSLATE_NOOP("Zelto", "запись калибровки")},
      {WriteOperation::kCalibClear, QT_TRANSLATE_NOOP("Zelto", "обнуление калибровки")},
      {WriteOperation::kCalibClearFull, QT_TRANSLATE_NOOP("Zelto", "полное обнуление калибровки")},
      {WriteOperation::kRestore, QT_TRANSLATE_NOOP("Zelto", "восстановление")},
  }};
  for (const auto& [named, text] : kTexts) {
    if (named == operation)
      return Zelto::tr(text);
  }
  return FromUtf8(config::OperationName(operation));
}

// A backup as the undo lists it: when, what, and on which port.
QString BackupLine(const keep::Backup& backup) {
  return FromUtf8(backup.time) + QStringLiteral(" — ") + OperationText(backup.operation) +
         QStringLiteral(" — ") + FromUtf8(backup.port);
}

// The backup the user chose to restore, and whether the answer forces the restore (a device
// that holds something else, another unit); nothing when the user declined.
struct UndoAnswer {
  keep::Backup backup;
  bool force = false;
};

std::optional<UndoAnswer> AskUndo(MessageBoxes& messages, const keep::UndoChoice& choice) {
  if (!choice.candidates.empty()) {
    QStringList lines;
    for (const keep::Backup& candidate : choice.candidates)
      lines << BackupLine(candidate);
    const auto picked =
        messages.Choose(Zelto::tr("Этому прибору подходят несколько резервных копий.") +
                            QLatin1Char('\n') + Zelto::tr("Какую запись отменить?"),
                        lines, Zelto::tr("Восстановить"));
    if (!picked)
      return std::nullopt;
    return UndoAnswer{choice.candidates[static_cast<std::size_t>(*picked)], false};
  }
  QStringList text;
  if (!choice.sameUnit)
    text << TranslateStatus(keep::kStatusOtherUnitBackup) + QLatin1Char('.');
  if (!choice.deviceHoldsIt)
    text << TranslateStatus(keep::kStatusDeviceDiffers) + QLatin1Char('.');
  text << Zelto::tr("Отменить запись?") << BackupLine(choice.backup)
       << Zelto::tr("Прибор содержал:");
  // The summary as the memo showed it, in the window's words.
  const std::vector<std::string_view> phrases = config::SummaryPhrases();
  for (const std::string& line : choice.backup.summary)
    text << TranslatePhrases(line, phrases, "Zelto");
  if (!messages.Confirm(text.join(QLatin1Char('\n')), Zelto::tr("Восстановить")))
    return std::nullopt;
  // A device that was not the write's own is restored only on the answer just given.
  return UndoAnswer{choice.backup, !choice.deviceHoldsIt || !choice.sameUnit};
}

// Why a restore refused what the user may still tell it to do; nothing for anything else.
std::optional<std::string_view> LiftableRefusal(keep::RestoreOutcome outcome) {
  switch (outcome) {
    case keep::RestoreOutcome::kDeviceDiffers:
      return keep::kStatusDeviceDiffers;
    case keep::RestoreOutcome::kOtherUnit:
      return keep::kStatusOtherUnitBackup;
    default:
      return std::nullopt;
  }
}

}  // namespace

keep::BackupSettings TZelto::BackupSettingsNow() const {
  return {form_.BackupBeforeWrite->isChecked(), form_.WriteChangedOnly->isChecked(),
          SelectedModel(), link_->Ports().PathOf(link_->State().PortNo)};
}

bool TZelto::ConfirmWrite(const Differences& differences) {
  const QString heading = differences.any
                              ? Zelto::tr("Запись изменит в приборе (поле: прибор → окно):")
                              : Zelto::tr("Прибор уже содержит то, что будет записано.");
  QStringList text{heading};
  text << differences.lines;
  return messages_->Confirm(text.join(QLatin1Char('\n')), Zelto::tr("Записать"));
}

void TZelto::WriteBehindBackup(const std::function<bool(config::WriteGuard&)>& write,
                               const config::WriteSettings* compareWith) {
  keep::BackupStore store;
  keep::DeviceBackup backup(*link_, *reporter_, store, BackupSettingsNow());
  config::WriteGuard* guard = &backup;
  std::optional<CompareBeforeWrite> compare;
  if (compareWith != nullptr) {
    compare.emplace(backup, *compareWith, *reporter_,
                    [this](const Differences& found) { return ConfirmWrite(found); });
    guard = &*compare;
  }
  keep::VerifyingGuard verifying(*guard);
  if (write(verifying) && form_.VerifyAfterWrite->isChecked())
    verifying.Verify(*link_, *reporter_);
}

void TZelto::WriteToComClick() {
  if (!RequireConnectedDevice())
    return;
  const config::WriteSettings settings = CurrentWriteSettings();
  WriteBehindBackup(
      [&](config::WriteGuard& guard) {
        return config::WriteConfiguration(*link_, *reporter_, config_, SelectedModel(),
                                          settings.lineFunc, settings.switches,
                                          guard) == config::DeviceOutcome::kDone;
      },
      form_.CompareBeforeWrite->isChecked() ? &settings : nullptr);
}

void TZelto::WriteUserClick() {
  if (!RequireConnectedDevice())
    return;
  WriteBehindBackup([&](config::WriteGuard& guard) {
    return config::WriteCorrection(*link_, *reporter_, config_, SelectedModel(),
                                   form_.LineFunc->isChecked(), traceFlags_, eeImage_,
                                   guard) == config::DeviceOutcome::kDone;
  });
}

void TZelto::WriteFabricClick() {
  if (!RequireConnectedDevice())
    return;
  WriteBehindBackup([&](config::WriteGuard& guard) {
    return config::ResetCorrection(*link_, *reporter_, config_, SelectedModel(), OutputRange(),
                                   *configView_, guard) == config::DeviceOutcome::kDone;
  });
  RefreshValueFields();
}

void TZelto::WriteCalibrToEepromClick() {
  WriteBehindBackup([&](config::WriteGuard& guard) {
    return calib::WriteCalibration(*link_, calibBlock_, SelectedModel(), CalibrVisible(),
                                   *reporter_, guard) == ServiceOutcome::kDone;
  });
}

void TZelto::ZeroCalibrToDeviceClick() {
  WriteBehindBackup([&](config::WriteGuard& guard) {
    return calib::ClearCalibration(*link_, config_, *reporter_, guard) == ServiceOutcome::kDone;
  });
}

void TZelto::ZeroFullCalibrToDeviceClick() {
  WriteBehindBackup([&](config::WriteGuard& guard) {
    return calib::ClearCalibrationFull(*link_, calibBlock_, config_, SelectedModel(),
                                       CalibrVisible(), *reporter_, guard) == ServiceOutcome::kDone;
  });
}

void TZelto::UndoWriteClick() {
  if (!RequireConnectedDevice())
    return;
  keep::BackupStore store;
  keep::Restorer restorer(*link_, *reporter_, store, BackupSettingsNow());
  const auto choice = restorer.FindUndo();
  if (!choice)
    return;  // the restorer has said why
  // The check is over: while the user decides, and after a "no", the device is just connected.
  if (choice->deviceHoldsIt && choice->sameUnit && choice->candidates.empty())
    reporter_->ShowStatus(kStatusConnected);
  const auto answer = AskUndo(*messages_, *choice);
  if (!answer)
    return;
  keep::RestoreOutcome outcome = restorer.Restore(answer->backup, answer->force);
  if (const auto refusal = LiftableRefusal(outcome);
      refusal &&
      messages_->Confirm(TranslateStatus(*refusal) + Zelto::tr(". Восстановить всё равно?"),
                         Zelto::tr("Восстановить"))) {
    outcome = restorer.Restore(answer->backup, true);
  }
  if (outcome != keep::RestoreOutcome::kDone)
    return;
  config::ReadSummary(*link_, *reporter_, config_, SelectedModel());
  // The verdict last, where the user reads it.
  if (form_.VerifyAfterWrite->isChecked())
    keep::VerifyWrittenWords(*link_, *reporter_, restorer.Written());
}

}  // namespace zelto::app
