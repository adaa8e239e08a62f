// The window's handlers for the service view: the file group, the service panel with its
// timers and trace switches, and the calibration menus. Each calls one operation of the core.
#include "app/window_config_view.h"
#include "app/window_reporter.h"
#include "app/window_texts.h"
#include "app/zelto.h"
#include "calib/calibration_files.h"
#include "calib/calibration_transfers.h"
#include "calib/ee_image_file.h"
#include "config/config_file.h"
#include "config/conversion_self_test.h"
#include "config/write_sequences.h"
#include "files/saved_file.h"
#include "link/link.h"
#include "link/memory_reads.h"
#include "link/service_requests.h"
#include "link/status_translation.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace zelto::app {
namespace {

constexpr const char* kConfigFiles =
    QT_TRANSLATE_NOOP("Zelto", "Файлы конфигурации (*.cfg)|*.cfg|Все файлы (*.*)|*.*");
constexpr const char* kBinaryFiles = QT_TRANSLATE_NOOP("Zelto", "Binary files (*.bin)|*.bin");
constexpr const char* kTextFiles = QT_TRANSLATE_NOOP("Zelto", "Text files (*.txt)|*.txt");
constexpr const char* kMemoFiles =
    QT_TRANSLATE_NOOP("Zelto", "Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*");
const QString kBin = QStringLiteral("bin");
const QString kTxt = QStringLiteral("txt");
const QString kUnrepresentableName =
    Zelto::tr("В имени файла есть знаки не в кодировке UTF-8: выберите другое имя");

}  // namespace

void TZelto::ConnectServiceHandlers() {
  Bind(form_.Open, &QAction::triggered, [this] { OpenClick(); });
  Bind(form_.SaveAs, &QAction::triggered, [this] { SaveAsClick(); });
  Bind(form_.SaveMemo, &QAction::triggered, [this] { SaveMemoClick(); });
  BindCommand(form_.ReadEepromToRam, &QAction::triggered, [this] { ReadEClick(); });
  Bind(form_.TimerTest, &QTimer::timeout, [this] { TimerTestTimer(); });
  Bind(form_.TimerMonitor, &QTimer::timeout, [this] { TimerMonitorTimer(); });
  Bind(form_.Timer_Mgr, &QTimer::timeout, [this] { Timer_MgrTimer(); });

  // Both calibration menus; the second is the first's twin for the table-loading models. The
  // transfers talk to the device, the file commands do not.
  for (QAction* item : {form_.ReadCalibrFromEeprom, form_.N7})
    BindCommand(item, &QAction::triggered, [this] { ReadCalibrFromEepromClick(); });
  for (QAction* item : {form_.WriteCalibrToEeprom, form_.N8})
    BindCommand(item, &QAction::triggered, [this] { WriteCalibrToEepromClick(); });
  for (QAction* item : {form_.ZeroCalibrToDevice, form_.N9})
    BindCommand(item, &QAction::triggered, [this] { ZeroCalibrToDeviceClick(); });
  BindCommand(form_.ZeroFullCalibrToDevice, &QAction::triggered,
              [this] { ZeroFullCalibrToDeviceClick(); });
  for (QAction* item : {form_.ReadCalibrFromFile, form_.N5})
    Bind(item, &QAction::triggered, [this] { ReadCalibrFromFileClick(); });
  for (QAction* item : {form_.WriteCalibrToFile, form_.N6})
    Bind(item, &QAction::triggered, [this] { WriteCalibrToFileClick(); });
  Bind(form_.ReadCalibr, &QAction::triggered, [this] { ReadCalibrClick(); });
  Bind(form_.txt1, &QAction::triggered, [this] { txt1Click(); });
}

void TZelto::ConnectServiceControls() {
  Bind(form_.OpenButton, &QPushButton::clicked, [this] { OpenClick(); });
  Bind(form_.SaveAsButton, &QPushButton::clicked, [this] { SaveAsClick(); });
  Bind(form_.SaveMemoButton, &QPushButton::clicked, [this] { SaveMemoClick(); });
  BindCommand(form_.Request, &QToolButton::clicked, [this] { RequestClick(); });
  Bind(form_.TestPort, &QToolButton::clicked, [this] { TestPortClick(); });
  Bind(form_.Monitor, &QToolButton::clicked, [this] { MonitorClick(); });
  BindCommand(form_.ReadPol, &QToolButton::clicked, [this] { ReadPolClick(); });
  BindCommand(form_.ReadE, &QToolButton::clicked, [this] { ReadEClick(); });
  BindCommand(form_.SpeedButton2, &QToolButton::clicked, [this] { SpeedButton2Click(); });
  Bind(form_.SpeedButton1, &QToolButton::clicked, [this] { SpeedButton1Click(); });
  Bind(form_.ECalibr, &QToolButton::clicked, [this] { ECalibrClick(); });
  Bind(form_.SS, &QToolButton::clicked, [this] { SSClick(); });
  Bind(form_.FF, &QToolButton::clicked, [this] { FFClick(); });
  Bind(form_.CC, &QToolButton::clicked, [this] { CCClick(); });
  Bind(form_.Plot, &QToolButton::clicked, [this] { PlotClick(); });
  for (QLineEdit* field : {form_.SetTemp, form_.RezCalc, form_.Edit3, form_.Edit2})
    fieldEvents_->Watch(*field);
}

std::optional<std::string> TZelto::ChooseFile(const FileDialogOnDemand& dialog,
                                              const QString& filter, const QString& suffix) {
  dialog.Get().setNameFilters(NameFiltersFromPipeList(filter));
  dialog.Get().setDefaultSuffix(suffix);
  const auto chosen = AskForFile(dialog.Get());
  if (!chosen)
    return std::nullopt;
  return FileSystemPath(*chosen);
}

std::optional<QString> TZelto::AskForFile(QFileDialog& dialog) {
  // A folder remembered that has gone since leaves the dialog where it is.
  const QString folder = settings_->DialogFolder(dialog.objectName());
  if (!folder.isEmpty() && QFileInfo(folder).isDir())
    dialog.setDirectory(folder);
  auto chosen = files_->Choose(dialog);
  if (chosen)
    settings_->SetDialogFolder(dialog.objectName(), QFileInfo(*chosen).absolutePath());
  return chosen;
}

std::optional<std::string> TZelto::FileSystemPath(const QString& chosen) {
  // Qt shows the bytes of a name that is not UTF-8 as U+FFFD; turned back into bytes, that
  // would name another file, which a save would then overwrite.
  if (chosen.contains(QChar::ReplacementCharacter)) {
    messages_->ShowError(kUnrepresentableName);
    return std::nullopt;
  }
  return QFile::encodeName(chosen).toStdString();
}

bool TZelto::CalibrVisible() const {
  return form_.Calibr->menuAction()->isVisible();
}

void TZelto::ToggleTimer(QTimer* timer, QToolButton* button) {
  if (timer->isActive()) {
    timer->stop();
  } else {
    timer->start();
  }
  button->setChecked(timer->isActive());
}

void TZelto::EndPoll() {
  for (QTimer* timer : {form_.TimerTest, form_.TimerMonitor, form_.Timer_Mgr})
    timer->stop();
  for (QToolButton* button : {form_.TestPort, form_.Monitor}) {
    if (button != nullptr)  // built with the service view
      button->setChecked(false);
  }
  trend_->StopRecording();
}

void TZelto::OpenClick() {
  QFileDialog& dialog = form_.OpenDialogEE.Get();
  dialog.setDefaultSuffix(QString());
  dialog.setNameFilters(NameFiltersFromPipeList(Zelto::tr(kConfigFiles)));
  const auto chosen = AskForFile(dialog);
  if (!chosen || !FileSystemPath(*chosen))
    return;
  CfgFileName = *chosen;
  ReadNameF();
}

void TZelto::ReadNameF() {
  const auto path = QFile::encodeName(CfgFileName).toStdString();
  const config::ConfigFileOutcome outcome = config::ReadNameF(path, config_);
  switch (outcome) {
    case config::ConfigFileOutcome::kRead:
      break;
    case config::ConfigFileOutcome::kCannotOpen:
      messages_->ShowError(QString::fromUtf8(config::kConfigFileOpenError.data()));
      return;
    case config::ConfigFileOutcome::kBadFormat:
      messages_->ShowError(TranslateStatus(config::kConfigFileFormatError));
      break;
  }
  // The user has read why the file was refused before the memo changes under the box.
  configView_->DumpConfig(config_);
}

void TZelto::SaveAsClick() {
  if (const auto path = ChooseFile(form_.SaveDialogEE, Zelto::tr(kBinaryFiles), kBin))
    calib::SaveEEImage(*path, eeImage_, *reporter_);
}

void TZelto::SaveMemoClick() {
  const auto path = ChooseFile(form_.SaveDialogEE, Zelto::tr(kMemoFiles), kTxt);
  if (!path)
    return;
  std::string text = form_.InforF->toPlainText().toStdString();
  if (!text.empty())
    text += '\n';
  files::SaveReported(*path, text, *reporter_);
}

void TZelto::RequestClick() {
  ServiceRequest(*link_);
}

void TZelto::TestPortClick() {
  ToggleTimer(form_.TimerTest, form_.TestPort);
}

void TZelto::MonitorClick() {
  ToggleTimer(form_.TimerMonitor, form_.Monitor);
}

void TZelto::TimerTestTimer() {
  TestRequest(*link_);
}

void TZelto::TimerMonitorTimer() {
  const auto start = std::chrono::system_clock::now();
  const auto steadyStart = std::chrono::steady_clock::now();
  const MonitorCycle cycle =
      PollMonitorCycle(*link_, monitorValues_, MonitorSet::kFull, traceFlags_, *reporter_);
  trend_->Add(start, steadyStart, cycle);
}

void TZelto::Timer_MgrTimer() {
  PollMonitor(*link_, monitorValues_, MonitorSet::kShort, traceFlags_, *reporter_);
}

void TZelto::ReadPolClick() {
  ReadTablesImage(*link_, eeImage_, *reporter_);
  form_.ReadPol->setChecked(false);
}

void TZelto::ReadEClick() {
  ReadEEImage(*link_, eeImage_, *reporter_);
}

void TZelto::SpeedButton2Click() {
  config::ReadBackCorrection(*link_, *reporter_, eeImage_);
}

void TZelto::SpeedButton1Click() {
  for (const std::string& line : config::ConversionSelfTestLines())
    reporter_->AddMemoLine(line);
}

void TZelto::ECalibrClick() {
  SetSubmenuVisible(form_.Calibr, form_.ECalibr->isChecked());
}

void TZelto::SSClick() {
  traceFlags_.Set(fSendToMemo, form_.SS->isChecked());
}

void TZelto::FFClick() {
  traceFlags_.Set(fCnftoMemo, form_.FF->isChecked());
}

void TZelto::CCClick() {
  traceFlags_.Set(fComtoBuf, form_.CC->isChecked());
}

void TZelto::ReadCalibrFromEepromClick() {
  calib::ReadCalibration(*link_, calibBlock_, SelectedModel(), CalibrVisible(), *reporter_);
}

void TZelto::ReadCalibrFromFileClick() {
  if (const auto path = ChooseFile(form_.OpenDialogEE, Zelto::tr(kBinaryFiles), kBin)) {
    calib::LoadCalibrationBin(*path, calibBlock_, SelectedModel(), CalibrVisible(), *reporter_);
  }
}

void TZelto::WriteCalibrToFileClick() {
  if (const auto path = ChooseFile(form_.SaveDialogEE, Zelto::tr(kBinaryFiles), kBin))
    calib::SaveCalibrationBin(*path, calibBlock_, *reporter_);
}

void TZelto::ReadCalibrClick() {
  if (const auto path = ChooseFile(form_.OpenDialogEE, Zelto::tr(kTextFiles), kTxt)) {
    calib::LoadCalibrationText(*path, calibBlock_, SelectedModel(), CalibrVisible(), *reporter_);
  }
}

void TZelto::txt1Click() {
  // A save dialog: the file to write usually does not exist yet.
  if (const auto path = ChooseFile(form_.SaveDialogEE, Zelto::tr(kTextFiles), kTxt)) {
    calib::SaveCalibrationText(*path, calibBlock_, SelectedModel(), CalibrVisible(), *reporter_);
  }
}

}  // namespace zelto::app
