#include "app/check_wizard.h"

#include "app/busy_cursor.h"
#include "app/check_bench_answers.h"
#include "app/check_wizard_pages.h"
#include "app/window_texts.h"
#include "check/calibrator_fields.h"
#include "check/check_store.h"
#include "check/check_texts.h"
#include "check/checked_unit.h"
#include "check/point_measurement.h"
#include "check/typed_number.h"
#include "config/nominal_currents.h"
#include "keep/backup.h"
#include "keep/backup_store.h"
#include "keep/printable_text.h"
#include "link/link.h"
#include "link/status_translation.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>

namespace zelto::app {

namespace {

// Room for the table's six columns and the longest prompt without a scroll bar.
constexpr int kWizardWidth = 780;
constexpr int kWizardHeight = 520;

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

// The window's status line, and the wizard's own below its pages: a refusal of the correction
// or a failed read is seen where the user looks.
class EchoReporter final : public Reporter {
 public:
  EchoReporter(Reporter& window, std::function<void(const QString&)> echo)
      : window_(window), echo_(std::move(echo)) {}
  void ShowStatus(std::string_view text) override {
    window_.ShowStatus(text);
    echo_(TranslateStatus(text));
  }
  void ClearMemo() override { window_.ClearMemo(); }
  void AddMemoLine(std::string_view line) override { window_.AddMemoLine(line); }
  void AppendToLastMemoLine(std::string_view text) override { window_.AppendToLastMemoLine(text); }
  void SetProgress(int percent) override { window_.SetProgress(percent); }

 private:
  Reporter& window_;
  std::function<void(const QString&)> echo_;
};

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

// The person at the bench as the wizard has them: the prompt is on the page and "Измерить" says
// that the signal is applied; each reading shows as it comes.
class WizardOperator final : public check::CheckOperator {
 public:
  WizardOperator(const WindowSettleClock& clock, QLabel& reading)
      : clock_(clock), reading_(reading) {}
  bool ApplySignal(const check::CheckPoint&, bool) override { return !clock_.Cancelled(); }
  void ShowReading(double milliamperes) override {
    reading_.setText(Zelto::tr("Показание: %1 мА").arg(check::CurrentText(milliamperes)));
  }

 private:
  const WindowSettleClock& clock_;
  QLabel& reading_;
};

CheckWizard::CheckWizard(CheckWizardHost host, QWidget* parent)
    : QDialog(parent), host_(std::move(host)), pages_(BuildCheckWizardPages(*this)) {
  setObjectName(QStringLiteral("CheckWizard"));
  setWindowTitle(Zelto::tr("Проверка выхода"));
  resize(kWizardWidth, kWizardHeight);
  echo_ = std::make_unique<EchoReporter>(host_.reporter,
                                         [this](const QString& text) { ShowStatus(text); });
  operator_ = std::make_unique<WizardOperator>(clock_, *pages_->reading);
  pages_->close->hide();
  timeouts_.whileWaiting = host_.waiting;
  ConnectControls();
  pages_->tag->setFocus();
}

void CheckWizard::SetInstrumentTimeouts(const instruments::ScpiTimeouts& timeouts) {
  timeouts_.reply = timeouts.reply;
  timeouts_.connect = timeouts.connect;
}

CheckWizard::~CheckWizard() = default;

std::optional<check::CheckRecord> CheckWizard::Record() const {
  if (!check_)
    return std::nullopt;
  return check_->Record();
}

void CheckWizard::ConnectControls() {
  const auto bind = [this](QPushButton* button, void (CheckWizard::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { host_.run([this, handler] { (this->*handler)(); }); });
  };
  bind(pages_->testConnection, &CheckWizard::TestConnectionClick);
  bind(pages_->next, &CheckWizard::NextClick);
  bind(pages_->take, &CheckWizard::TakeClick);
  bind(pages_->measure, &CheckWizard::MeasureClick);
  bind(pages_->adjust, &CheckWizard::AdjustClick);
  bind(pages_->saveReport, &CheckWizard::SaveReportClick);
  bind(pages_->close, &CheckWizard::CloseClick);
  connect(pages_->typedCurrent, &QLineEdit::returnPressed, this,
          [this] { host_.run([this] { TakeClick(); }); });
  // Cancel is seen while a point settles, when every other handler waits.
  connect(pages_->cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void CheckWizard::reject() {
  if (measuring_) {
    closing_ = true;
    clock_.Cancel();
    return;
  }
  CancelClick();
}

CheckSetupText CheckWizard::SetupText() const {
  const CheckWizardPages& p = *pages_;
  return {p.tag->text(),        p.engineer->text(), p.points->text(),
          p.tolerance->text(),  p.settle->text(),   p.meter->text(),
          p.meterQuery->text(), p.source->text(),   p.sourceCommand->text()};
}

std::optional<CheckSetup> CheckWizard::ReadSetup() {
  auto setup = ReadCheckSetup(SetupText());
  if (auto* reason = std::get_if<QString>(&setup)) {
    ShowStatus(*reason);
    return std::nullopt;
  }
  auto read = std::get<CheckSetup>(std::move(setup));
  read.wiring.meterSettings.timeouts = timeouts_;
  return read;
}

void CheckWizard::ShowStatus(const QString& text) {
  pages_->status->setText(text);
}

bool CheckWizard::MeterIsManual() const {
  return bench_ && bench_->meter->IsManual();
}

void CheckWizard::TestConnectionClick() {
  const BusyCursor busy;
  pages_->identities->setText(AskBenchText(SetupText(), timeouts_));
}

void CheckWizard::NextClick() {
  if (pages_->stack->currentWidget() == pages_->setup)
    StartClick();
  else if (check_ && !check_->NextPoint())
    ShowVerdict();
}

void CheckWizard::StartClick() {
  setup_ = ReadSetup();
  if (!setup_)
    return;
  const BusyCursor busy;
  // A manual meter's currents come from the page, never through the meter.
  auto connected = instruments::ConnectBench(setup_->wiring, {});
  if (const auto* failure = std::get_if<instruments::InstrumentFailure>(&connected)) {
    ShowStatus(instruments::FailureWords(*failure));
    return;
  }
  bench_ = std::move(std::get<instruments::BenchInstruments>(connected));
  pages_->identities->setText(BenchIdentitiesText(*bench_));

  // The configuration checked is the unit's own, not the window's.
  const auto unit = check::ReadCheckedUnit(host_.link, *echo_, host_.model);
  if (std::holds_alternative<keep::BackupFailure>(unit))
    return;  // the read has said why
  check::CheckSettings settings = setup_->settings;
  settings.instruments = bench_->identities;
  settings.port = host_.link.Ports().PathOf(host_.link.State().PortNo);
  settings.time = keep::BackupTimeText(QDateTime::currentDateTime());
  auto started =
      check::OutputCheck::Start(host_.model, std::get<check::CheckedUnit>(unit), settings);
  if (const auto* refusal = std::get_if<check::Refusal>(&started)) {
    ShowStatus(TranslateStatus(check::RefusalText(*refusal)));
    return;
  }
  auto& check = std::get<check::OutputCheck>(started);
  if (setup_->wiring.calibratorCommand) {
    if (const auto field = check::MissingCalibratorField(
            *setup_->wiring.calibratorCommand, check.Plan(), check.Configuration().coldJunction)) {
      ShowStatus(Zelto::tr("Команда калибратора: у входа этого прибора нет значения для поля %1")
                     .arg(FromStd(*field)));
      return;
    }
  }
  check_ = std::move(check);
  const check::CheckRecord& record = check_->Record();
  QString unitLine =
      Zelto::tr("%1, ПО %2").arg(check::ModelText(record.model), FromStd(record.firmware));
  if (!record.tag.empty())
    unitLine += Zelto::tr(", позиция «%1»").arg(FromStd(keep::PrintableText(record.tag)));
  pages_->unit->setText(unitLine);
  pages_->next->setText(Zelto::tr("&Далее"));
  pages_->next->setDefault(false);
  ShowStatus({});
  ShowPass();
}

void CheckWizard::ShowPass() {
  const bool asFound = check_->Pass() == check::CheckPass::kAsFound;
  pages_->passTitle->setText(asFound ? Zelto::tr("До подстройки") : Zelto::tr("После подстройки"));
  QTableWidget& table = *pages_->table;
  const auto& points = check_->Plan().points;
  table.setRowCount(static_cast<int>(points.size()));
  for (int row = 0; row < table.rowCount(); ++row) {
    const check::CheckPoint& point = points[static_cast<std::size_t>(row)];
    table.setItem(row, kPercentColumn, Cell(check::PercentText(point.percent)));
    table.setItem(row, kSignalColumn, Cell(check::PointText(point)));
    table.setItem(row, kExpectedColumn, Cell(check::CurrentText(point.expected)));
    for (const int column : {kMeasuredColumn, kErrorColumn, kResultColumn})
      table.setItem(row, column, Cell({}));
  }
  const bool manual = MeterIsManual();
  pages_->typedLabel->setVisible(manual);
  pages_->typedCurrent->setVisible(manual);
  pages_->take->setVisible(manual);
  pages_->measure->setVisible(!manual);
  pages_->reading->setVisible(!manual);
  pages_->reading->clear();
  pages_->stack->setCurrentWidget(pages_->pass);
  ShowNextPoint();
}

bool CheckWizard::ApplyForTyping(const check::CheckPoint& point) {
  if (bench_->calibrator->IsManual())
    return true;
  const auto failure = bench_->calibrator->Apply(
      check::CalibratorValues(point, check_->Configuration().coldJunction));
  if (!failure)
    return true;
  check_->Stop(check::CheckStop::kCalibrator);
  EndByInstrument(*failure);
  return false;
}

void CheckWizard::ShowNextPoint() {
  const auto point = check_->NextPoint();
  const bool waiting = point.has_value();
  pages_->typedCurrent->setEnabled(waiting);
  pages_->take->setEnabled(waiting);
  pages_->measure->setEnabled(waiting);
  pages_->next->setEnabled(!waiting);
  if (!waiting) {
    pages_->prompt->setText(Zelto::tr("Все точки измерены"));
    pages_->typedCurrent->clear();
    pages_->table->clearSelection();
    pages_->next->setFocus();
    return;
  }
  ShowPoint(*point);
  if (!MeterIsManual()) {
    pages_->measure->setFocus();
    return;
  }
  if (!ApplyForTyping(*point))
    return;
  pages_->typedCurrent->clear();
  pages_->typedCurrent->setFocus();
}

void CheckWizard::ShowPoint(const check::CheckPoint& point) {
  const int row = static_cast<int>(check_->Pass() == check::CheckPass::kAsFound
                                       ? check_->Record().asFound.size()
                                       : check_->Record().asLeft->size());
  pages_->table->selectRow(row);
  const bool coldJunction = check_->Configuration().coldJunction;
  if (bench_->calibrator->IsManual()) {
    pages_->prompt->setText(check::SignalPrompt(point, coldJunction));
  } else if (measuring_ || MeterIsManual()) {
    pages_->prompt->setText(check::CalibratorPrompt(point, coldJunction));
  } else {
    // Until "Измерить" the calibrator applies nothing: the points follow one another from then.
    pages_->prompt->setText(Zelto::tr("Нажмите «Измерить»: калибратор подаст %1")
                                .arg(check::CalibratorPointText(point, coldJunction)));
  }
}

void CheckWizard::ShowMeasured(const check::MeasuredPoint& point) {
  const auto& points = check_->Plan().points;
  int row = 0;
  while (row < static_cast<int>(points.size()) && !(points[row] == point.point))
    ++row;
  // The texts of the record's lines and of its report, so that each shows the same number.
  QTableWidget& table = *pages_->table;
  const QString none = QStringLiteral("—");
  table.item(row, kMeasuredColumn)
      ->setText(point.measured ? check::CurrentText(*point.measured) : none);
  table.item(row, kErrorColumn)->setText(point.measured ? check::ErrorText(point.error) : none);
  table.item(row, kResultColumn)->setText(check::PointResultText(point.result));
}

void CheckWizard::TakeClick() {
  if (!check_ || !check_->NextPoint())
    return;
  const auto current = check::ParseTypedNumber(pages_->typedCurrent->text().toStdString());
  if (!current) {
    ShowStatus(Zelto::tr("Ток в мА, например 12,004"));
    pages_->typedCurrent->selectAll();
    return;
  }
  ShowStatus({});
  if (const auto taken = check_->TakeTyped(*current))
    ShowMeasured(*taken);
  ShowNextPoint();
}

void CheckWizard::MeasureClick() {
  if (!check_ || !check_->NextPoint() || MeterIsManual())
    return;
  check::CheckBench bench{*bench_->calibrator, *bench_->meter, *operator_, clock_, {}};
  bench.settle.settle = setup_->settle;
  measuring_ = true;
  for (QWidget* control : std::initializer_list<QWidget*>{pages_->measure, pages_->next})
    control->setEnabled(false);
  // With a calibrator that sets itself the points follow one another; one set by hand waits for
  // the user's next "Измерить".
  std::optional<instruments::InstrumentFailure> failure;
  do {
    ShowPoint(*check_->NextPoint());
    // Until the meter's first reading comes, the point is left to settle.
    pages_->reading->setText(Zelto::tr("Выдержка…"));
    const check::PointTaken taken = check_->MeasureNext(bench);
    if (!taken.point) {
      failure = taken.failure;
      break;
    }
    ShowMeasured(*taken.point);
    pages_->reading->clear();
  } while (check_->NextPoint() && !bench_->calibrator->IsManual());
  measuring_ = false;
  if (!check_->Ended()) {
    ShowNextPoint();
    return;
  }
  if (failure && !closing_) {
    EndByInstrument(*failure);
    return;
  }
  EndAndKeep(false);
  if (closing_) {
    QDialog::reject();
    return;
  }
  ShowVerdict();
}

void CheckWizard::ShowVerdict() {
  const check::CheckRecord& record = check_->Record();
  const bool canAdjust = check_->CanAdjust();
  if (!canAdjust)
    EndAndKeep(true);
  const bool hasCorrection = config::IsTableLoadingDevice(record.model);
  pages_->adjust->setVisible(hasCorrection && !check_->Ended());
  pages_->adjust->setEnabled(canAdjust);
  pages_->adjustment->setText(record.adjustment ? check::AdjustmentLine(*record.adjustment)
                                                : QString());
  QStringList lines;
  for (const check::MeasuredPoint& point : record.asFound)
    lines << check::PointLine(check::CheckPass::kAsFound, point);
  for (const check::MeasuredPoint& point :
       record.asLeft.value_or(std::vector<check::MeasuredPoint>{}))
    lines << check::PointLine(check::CheckPass::kAsLeft, point);
  pages_->summary->setPlainText(lines.join(QLatin1Char('\n')));
  if (kept_) {
    pages_->verdictText->setText(check::VerdictLine(*kept_));
  } else {
    pages_->verdictText->setText(Zelto::tr("До подстройки: %1")
                                     .arg(check::VerdictText(check::EveryPointPassed(record.asFound)
                                                                 ? check::CheckResult::kPass
                                                                 : check::CheckResult::kFail)));
  }
  pages_->next->hide();
  pages_->close->show();
  pages_->cancel->setVisible(!check_->Ended());
  pages_->stack->setCurrentWidget(pages_->verdict);
  (canAdjust ? pages_->adjust : pages_->saveReport)->setFocus();
}

void CheckWizard::AdjustClick() {
  if (!check_ || !check_->CanAdjust())
    return;
  const BusyCursor busy;
  keep::BackupStore store;
  keep::DeviceBackup backup(host_.link, *echo_, store, host_.backupSettings());
  const check::AdjustOutcome adjusted =
      check_->Adjust(host_.link, *echo_, backup, host_.verifyAfterWrite());
  switch (adjusted.kind) {
    case check::AdjustOutcome::Kind::kWritten:
      pages_->next->show();
      pages_->close->hide();
      pages_->adjustment->setText(check::AdjustmentLine(*check_->Record().adjustment));
      ShowStatus({});  // the write's words belong to the as-found pass, now done with
      ShowPass();
      return;
    case check::AdjustOutcome::Kind::kRefused:
      pages_->adjust->setEnabled(false);  // the status says why
      return;
    case check::AdjustOutcome::Kind::kDeviceFailed:
      break;
  }
  const QString why = pages_->status->text();
  EndAndKeep(false);
  ShowVerdict();
  ShowStatus(why);
}

void CheckWizard::EndAndKeep(bool finish) {
  if (kept_ || !check_)
    return;
  if (!check_->Ended()) {
    if (finish)
      check_->Finish();
    else
      check_->Stop(check::CheckStop::kUser);
  }
  check::CheckRecord record = check_->Record();
  if (!check::CheckStore().Save(record)) {
    echo_->ShowStatus(check::kRecordNotSavedText);
    return;
  }
  kept_ = std::move(record);
  echo_->ShowStatus(check::ResultStatus(kept_->result));
}

void CheckWizard::EndByInstrument(const instruments::InstrumentFailure& failure) {
  const QString words = instruments::FailureWords(failure);
  EndAndKeep(false);
  ShowVerdict();
  // What became of the record, when it could not be kept, stays below the words.
  ShowStatus(kept_ ? words : words + QLatin1Char('\n') + pages_->status->text());
}

void CheckWizard::SaveReportClick() {
  if (!check_)
    return;
  EndAndKeep(true);
  ShowVerdict();
  if (!kept_)
    return;
  // The window's status line is under the wizard: the outcome shows in the wizard's own too.
  if (const std::string_view saved = host_.saveReport(*kept_); !saved.empty())
    ShowStatus(TranslateStatus(saved));
}

void CheckWizard::CloseClick() {
  EndAndKeep(true);
  accept();
}

void CheckWizard::CancelClick() {
  // The record keeps what was measured; nothing more goes to the transmitter.
  if (check_ && !check_->Ended())
    EndAndKeep(false);
  QDialog::reject();
}

}  // namespace zelto::app
