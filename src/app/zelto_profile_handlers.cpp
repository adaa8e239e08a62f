// The window's profile commands: a configuration kept as a file, opened through the handlers a
// user's own choices run, so that the views, the nominal currents and a following write agree.
#include "app/window_config_view.h"
#include "app/window_reporter.h"
#include "app/window_texts.h"
#include "app/zelto.h"
#include "files/file_outcome.h"
#include "keep/profile.h"
#include "keep/profile_application.h"
#include "keep/profile_file.h"
#include "link/link.h"
#include "link/status_translation.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>

namespace zelto::app {
namespace {

constexpr const char* kProfileFiles = QT_TRANSLATE_NOOP("Zelto", "Профили (*.json)|*.json");
constexpr const char* kStatusProfileOpened = QT_TRANSLATE_NOOP("status", "Профиль открыт");
const QString kJson = QStringLiteral("json");

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ProfileFileFaultText(keep::ProfileFileFault fault) {
  switch (fault) {
    case keep::ProfileFileFault::kCannotOpen:
      return Zelto::tr("Не удалось открыть файл профиля");
    case keep::ProfileFileFault::kNotJson:
      return Zelto::tr("Файл профиля не в формате JSON");
    case keep::ProfileFileFault::kNotAProfile:
      return Zelto::tr("Файл не является профилем");
    case keep::ProfileFileFault::kNewerVersion:
      return Zelto::tr("Профиль записан более новой версией программы");
    case keep::ProfileFileFault::kIncomplete:
      return Zelto::tr("В профиле нет прибора или датчика");
  }
  return {};
}

// "диапазон: -50..2000", one line a refused value.
QStringList RefusalLines(const std::vector<keep::ProfileRefusal>& refused) {
  QStringList lines;
  for (const keep::ProfileRefusal& refusal : refused) {
    const auto key = keep::KeyNamed(refusal.key);
    const QString name =
        key ? TranslateMarked(keep::KeyWindowName(*key), "Zelto") : FromUtf8(refusal.key);
    lines << name + QStringLiteral(": ") + FromUtf8(refusal.value);
  }
  return lines;
}

}  // namespace

config::WriteSettings TZelto::CurrentWriteSettings() const {
  // The switches are not in the record: a write reads them from the window as it is made.
  const config::VelmorSwitches switches{form_.SetCoolJunk->isChecked(),
                                        form_.SetSheme->currentIndex(), form_.SetSqrt->isChecked(),
                                        OutputRange(), form_.SetSensorBreak->isChecked()};
  return {config_, form_.LineFunc->isChecked(), switches};
}

void TZelto::SaveProfileClick() {
  const auto path = ChooseFile(form_.SaveProfileDialog, Zelto::tr(kProfileFiles), kJson);
  if (!path)
    return;
  const keep::Profile profile = keep::ProfileFromSettings(CurrentWriteSettings());
  const files::FileOutcome saved = keep::SaveProfile(*path, profile);
  reporter_->ShowStatus(saved == files::FileOutcome::kDone ? files::kStatusFileWritten
                                                           : files::FileFailureStatus(saved));
}

void TZelto::OpenProfileClick() {
  const auto path = ChooseFile(form_.OpenProfileDialog, Zelto::tr(kProfileFiles), kJson);
  if (!path)
    return;
  const auto loaded = keep::LoadProfile(*path);
  if (const auto* error = std::get_if<keep::ProfileFileError>(&loaded)) {
    messages_->ShowError(ProfileFileFaultText(error->fault));
    return;
  }
  const keep::ProfileText& text = std::get<keep::ProfileText>(loaded);
  if (!text.Applicable()) {
    messages_->ShowError(Zelto::tr("Профиль не подходит ни к одному прибору списка:\n") +
                         RefusalLines(text.refused).join(QLatin1Char('\n')));
    return;
  }
  const keep::Profile& profile = text.profile;
  if (profile.model != SelectedModel()) {
    if (link_->IsDeviceConnected()) {
      messages_->ShowError(
          Zelto::tr("Профиль для другого прибора (%1); чтобы открыть его, отключите прибор")
              .arg(form_.TypeDevice->itemText(profile.model)));
      return;
    }
    SwitchModel(profile.model);
  }
  ApplyProfileControls(profile);
  std::vector<keep::ProfileRefusal> refused = text.refused;
  if (const auto range = keep::EffectiveRange(profile)) {
    if (const auto reason = keep::AssignRange(config_, *range, OutputRange(), *configView_)) {
      refused.push_back(keep::ProfileRefusal{
          std::string(keep::KeyName(keep::ProfileKey::kRange)),
          std::to_string(range->low) + ".." + std::to_string(range->high), *reason});
    }
  }
  RefreshValueFields();
  reporter_->ShowStatus(kStatusProfileOpened);
  if (!refused.empty()) {
    messages_->ShowError(Zelto::tr("Не применено:\n") +
                         RefusalLines(refused).join(QLatin1Char('\n')));
  }
}

void TZelto::ApplyProfileControls(const keep::Profile& profile) {
  // The model's list and its handler, as a pick from it.
  QComboBox* sensors = SensorListOf(profile.model);
  sensors->setCurrentIndex(profile.sensor);
  SelectSensorOfList(*sensors);
  form_.LineFunc->setChecked(profile.linearEmf);
  if (profile.model != config::kDeviceVelmor7)
    return;
  form_.SetOutCurrentItems->button(profile.output)->setChecked(true);
  SetOutCurrentClick();
  form_.SetCoolJunk->setChecked(profile.coldJunction);
  form_.SetSheme->setCurrentIndex(profile.scheme);
  form_.SetSqrt->setChecked(profile.squareRoot);
  form_.SetSensorBreak->setChecked(profile.sensorBreak);
}

}  // namespace zelto::app
