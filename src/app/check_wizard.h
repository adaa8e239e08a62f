#pragma once

#include "app/check_setup.h"
#include "app/window_settle_clock.h"
#include "check/check_record.h"
#include "check/output_check.h"
#include "instruments/bench_connection.h"
#include "keep/device_backup.h"
#include "link/reporter.h"

#include <QDialog>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace zelto {
class Link;
}

namespace zelto::app {

struct CheckWizardPages;
class WizardOperator;

// What the wizard takes from the window: its link and status line, the switches its writes go
// by, the save of a report, and the way its handlers run.
struct CheckWizardHost {
  zelto::Link& link;
  Reporter& reporter;
  int model = 0;
  // The backup and the check after writing, as the window's switches say now.
  std::function<keep::BackupSettings()> backupSettings;
  std::function<bool()> verifyAfterWrite;
  // Asks for a PDF file and draws the record's report into it; returns the status that says how
  // it went, nothing when no file was chosen.
  std::function<std::string_view(const check::CheckRecord&)> saveReport;
  // Runs a handler as the window runs its own: one at a time, the windows kept painted while a
  // device exchange waits.
  std::function<void(const std::function<void()>&)> run;
  // What an instrument's wait calls between its slices: the window's own (BusyWhileWaiting),
  // so that a silent meter leaves the windows painted as a silent transmitter does.
  std::function<void(std::chrono::milliseconds waited)> waiting;
};

// The output check of the connected unit, page by page: the setup, the as-found points, the
// verdict with the correction where the model has it, the as-left points, the record kept and
// its report. Cancel, at any page, sends nothing more to the transmitter and keeps what was
// measured, marked cancelled.
class CheckWizard final : public QDialog {
 public:
  CheckWizard(CheckWizardHost host, QWidget* parent);
  ~CheckWizard() override;

  // The check's record as it stands; nothing before the check started.
  std::optional<check::CheckRecord> Record() const;
  // The record as it was kept, with its id; nothing until it was.
  const std::optional<check::CheckRecord>& Kept() const { return kept_; }

  // For tests: the instruments' time-outs instead of their own, and the settle waits skipped
  // (WindowSettleClock::SkipWaits), so that a bench check runs in no time.
  void SetInstrumentTimeouts(const instruments::ScpiTimeouts& timeouts);
  void SkipWaits(std::function<void()> waiting) { clock_.SkipWaits(std::move(waiting)); }

  // Esc and the window's close button cancel.
  void reject() override;

 private:
  void ConnectControls();
  CheckSetupText SetupText() const;
  // The setup's fields, or nothing with the reason shown.
  std::optional<CheckSetup> ReadSetup();

  void TestConnectionClick();
  void NextClick();
  void StartClick();
  void TakeClick();
  void MeasureClick();
  void AdjustClick();
  void SaveReportClick();
  void CloseClick();
  void CancelClick();

  // The pass under way: its table, and the point it waits for.
  void ShowPass();
  void ShowNextPoint();
  // The point about to be measured: its row, and what the user or the calibrator applies (or,
  // before the meter reads, will apply once the user says so).
  void ShowPoint(const check::CheckPoint& point);
  void ShowMeasured(const check::MeasuredPoint& point);
  // The calibrator over SCPI applies the point the user is to read by hand; false, the check
  // stopped, when it failed.
  bool ApplyForTyping(const check::CheckPoint& point);
  void ShowVerdict();
  // Ends the check as it stands (`finish`: with its verdict, else cancelled) and keeps its
  // record once.
  void EndAndKeep(bool finish);
  // An instrument stopped the check: the record is kept as it stands, and the instrument's words
  // stay in the wizard's status, where the user looks, rather than the record's.
  void EndByInstrument(const instruments::InstrumentFailure& failure);
  void ShowStatus(const QString& text);
  bool MeterIsManual() const;

  CheckWizardHost host_;
  std::unique_ptr<CheckWizardPages> pages_;
  std::unique_ptr<Reporter> echo_;  // the window's status line, and the wizard's own
  std::optional<CheckSetup> setup_;
  std::optional<instruments::BenchInstruments> bench_;
  std::optional<check::OutputCheck> check_;
  std::optional<check::CheckRecord> kept_;
  WindowSettleClock clock_;
  instruments::ScpiTimeouts timeouts_;
  std::unique_ptr<WizardOperator> operator_;
  bool measuring_ = false;
  bool closing_ = false;
};

}  // namespace zelto::app
