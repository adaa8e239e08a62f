#include "cli/check_command.h"

#include "check/calibrator_fields.h"
#include "check/check_record_json.h"
#include "check/check_store.h"
#include "check/check_texts.h"
#include "check/output_check.h"
#include "check/settle_clock.h"
#include "cli/backup_commands.h"
#include "cli/check_console.h"
#include "cli/check_options.h"
#include "cli/console_reporter.h"
#include "cli/device_commands.h"
#include "cli/exit_codes.h"
#include "cli/port_runs.h"
#include "cli/report_command.h"
#include "cli/stop_signals.h"
#include "instruments/bench_connection.h"
#include "keep/backup_store.h"
#include "keep/printable_text.h"
#include "keep/profile_file.h"
#include "link/status_translation.h"

#include <QDateTime>

#include <memory>

namespace zelto::cli {
namespace {

using namespace std::chrono_literals;

// A stop comes between two exchanges of the check, which never take longer than an instrument's
// reply time; nothing is cut short.
constexpr std::chrono::milliseconds kStopGrace{5000};

// The exit code of an instrument that fails before the transmitter is touched.
int InstrumentExit(const instruments::InstrumentFailure& failure) {
  switch (failure.kind) {
    case instruments::FailureKind::kNotConnected:
    case instruments::FailureKind::kLineLost:
      return kExitPortError;
    default:
      break;
  }
  return kExitNoAnswer;
}

// The meter and the calibrator, connected and asked *IDN? once each.
std::variant<instruments::BenchInstruments, instruments::InstrumentFailure> ConnectInstruments(
    const CheckOptions& options, instruments::ManualEntry entry) {
  return instruments::ConnectBench(
      {options.meter, {options.meterQuery, {}}, options.source, options.sourceCommand},
      std::move(entry));
}

// A command template that names a value some point of this input does not have would stop the
// check half-way; it is refused before anything is applied.
std::optional<std::string> RefuseCommandFields(const CheckOptions& options,
                                               const check::OutputCheck& check) {
  if (!options.sourceCommand)
    return std::nullopt;
  const auto field = check::MissingCalibratorField(*options.sourceCommand, check.Plan(),
                                                   check.Configuration().coldJunction);
  if (field) {
    if (check.Configuration().coldJunction && *field == "{mv}") {
      return ToolText(QT_TRANSLATE_NOOP("cli",
                                        "--source-command: у входа этого прибора нет значения для "
                                        "поля %1 (компенсация холодного спая прибора включена: "
                                        "подавайте {c} в режиме термопары калибратора)"),
                      {*field});
    }
    return ToolText(QT_TRANSLATE_NOOP(
                        "cli", "--source-command: у входа этого прибора нет значения для поля %1"),
                    {*field});
  }
  return std::nullopt;
}

void ShowPoint(Output& output, check::CheckPass pass, const check::MeasuredPoint& point) {
  if (output.Json()) {
    QJsonObject object = check::PointJson(point);
    object.insert("pass", QString::fromLatin1(check::CheckPassKey(pass)));
    output.Emit(object);
    return;
  }
  output.Line(check::PointLine(pass, point).toStdString());
}

// Measures the points of the pass under way; false when the check stopped.
bool RunPass(check::OutputCheck& check, check::CheckBench& bench, Output& output) {
  while (check.NextPoint()) {
    const check::PointTaken taken = check.MeasureNext(bench);
    if (!taken.point) {
      if (taken.failure) {
        const std::string words = instruments::FailureWords(*taken.failure).toStdString();
        output.Status(words);
        output.Result().insert("reason", JsonText(words));
      }
      return false;
    }
    ShowPoint(output, check.Pass(), *taken.point);
  }
  return true;
}

// The exit code of a correction that failed on the device or its backup.
int AdjustExit(const check::AdjustOutcome& outcome, const DeviceSession& session) {
  if (outcome.verification && outcome.verification->outcome == keep::VerifyOutcome::kDiffers)
    return kExitNoAnswer;
  if (outcome.backupFailure != keep::BackupFailure::kNone)
    return BackupExitCode(outcome.backupFailure);
  return session.ExitCode(ExitCodeFor(outcome.outcome));
}

// The correction, then the as-left pass; the exit code of a device failure, if one stopped it.
std::optional<int> AdjustAndCheckAgain(check::OutputCheck& check, check::CheckBench& bench,
                                       const PortRun& run, DeviceSession& session,
                                       Reporter& reporter) {
  keep::BackupStore store;
  keep::DeviceBackup backup(session.GetLink(), reporter, store, session.Backups());
  const check::AdjustOutcome adjusted =
      check.Adjust(session.GetLink(), reporter, backup, run.options.verify);
  switch (adjusted.kind) {
    case check::AdjustOutcome::Kind::kRefused:
      return std::nullopt;
    case check::AdjustOutcome::Kind::kDeviceFailed:
      return AdjustExit(adjusted, session);
    case check::AdjustOutcome::Kind::kWritten:
      break;
  }
  if (!run.output.Json())
    run.output.Line(check::AdjustmentLine(*check.Record().adjustment).toStdString());
  RunPass(check, bench, run.output);
  return std::nullopt;
}

// Keeps the record and says how the check ended; the exit code.
int KeepRecord(check::CheckRecord record, std::optional<int> deviceExit, Output& output,
               const std::optional<std::string>& report) {
  const bool saved = check::CheckStore().Save(record);
  QJsonObject& result = output.Result();
  result.insert("result", QString::fromLatin1(check::CheckResultKey(record.result)));
  result.insert("adjustment", check::AdjustmentJson(record.adjustment));
  if (record.stopped != check::CheckStop::kNone)
    result.insert("stopped", QString::fromLatin1(check::CheckStopKey(record.stopped)));
  if (!saved) {
    output.Status(check::kRecordNotSavedText);
    return deviceExit.value_or(kExitFileError);
  }
  result.insert("id", JsonText(record.id));
  output.Line(check::VerdictLine(record).toStdString());
  output.Status(check::ResultStatus(record.result));
  if (deviceExit)
    return *deviceExit;
  if (report) {
    // The record as kept, its numbers as the file rounds them: the pages 'report ID' draws.
    const auto kept = check::CheckStore().Load(record.id);
    const auto* keptRecord = std::get_if<check::CheckRecord>(&kept);
    if (const int rendered =
            CheckReportRenderer()(keptRecord ? *keptRecord : record, *report, output);
        rendered != kExitSuccess)
      return rendered;
  }
  return record.result == check::CheckResult::kPass ? kExitSuccess : kExitCheckFailed;
}

struct CheckRun {
  const CheckOptions& options;
  const PortRun& run;
  instruments::BenchInstruments& instruments;
  check::CheckOperator& person;
  check::SettleClock& clock;
};

// The check of the identified unit: read, planned, measured, corrected, kept.
int CheckUnit(CheckRun& c, DeviceSession& session, Reporter& reporter) {
  const int model = c.run.options.model;
  const auto read = check::ReadCheckedUnit(session.GetLink(), reporter, model);
  if (const auto* failure = std::get_if<keep::BackupFailure>(&read))
    return BackupExitCode(*failure);
  check::CheckSettings settings;
  settings.percents = c.options.points;
  settings.tolerance = c.options.tolerance;
  settings.tag = c.options.tag;
  settings.engineer = c.options.engineer;
  settings.instruments = c.instruments.identities;
  if (!c.options.instruments.empty())
    settings.instruments.push_back(c.options.instruments);
  settings.port = session.PortPath();
  settings.time = keep::BackupTimeText(QDateTime::currentDateTime());
  auto started = check::OutputCheck::Start(model, std::get<check::CheckedUnit>(read), settings);
  if (const auto* refusal = std::get_if<check::Refusal>(&started)) {
    reporter.ShowStatus(check::RefusalText(*refusal));
    return kExitUsage;
  }
  auto& check = std::get<check::OutputCheck>(started);
  if (const auto reason = RefuseCommandFields(c.options, check))
    return UsageError(c.run.output, *reason);

  check::CheckBench bench{*c.instruments.calibrator, *c.instruments.meter, c.person, c.clock, {}};
  bench.settle.settle = c.options.settle;
  std::optional<int> deviceExit;
  if (RunPass(check, bench, c.run.output) && c.options.adjust)
    deviceExit = AdjustAndCheckAgain(check, bench, c.run, session, reporter);
  return KeepRecord(check.Finish(), deviceExit, c.run.output, c.options.report);
}

}  // namespace

ReportRenderer CheckReportRenderer() {
  return RenderReport;
}

int RunCheck(const Invocation& invocation, Output& output) {
  const auto parsed = ParseCheckOptions(invocation);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(output, *reason);
  const auto& options = std::get<CheckOptions>(parsed);
  // Found out before the check rather than after it, when the unit has been corrected.
  if (options.report) {
    if (const auto reason = UnwritableReport(*options.report)) {
      output.Problem(*reason);
      return kExitFileError;
    }
  }

  // Before the port's run and its threads: SIGINT and SIGTERM end the check, kept as cancelled.
  StopSignals stop(kStopGrace);
  const std::function<bool()> stopped = [&stop] { return stop.WaitFor(0ms); };
  LineInput input;
  return RunOnPorts(invocation.options, output, [&](const PortRun& run) -> int {
    auto connected =
        ConnectInstruments(options, ConsoleEntry(run.output, input, stopped, options.readings));
    if (const auto* failure = std::get_if<instruments::InstrumentFailure>(&connected)) {
      run.output.Status(instruments::FailureWords(*failure).toStdString());
      return InstrumentExit(*failure);
    }
    auto& instruments = std::get<instruments::BenchInstruments>(connected);
    ConsoleOperator person(run.output, input, stopped, instruments.meter->IsManual());
    check::SteadySettleClock clock(stopped);
    CheckRun checkRun{options, run, instruments, person, clock};
    ConsoleReporter reporter(run.output);
    return WithDevice(run, reporter, [&](DeviceSession& session) {
      return CheckUnit(checkRun, session, reporter);
    });
  });
}

int RunChecks(const Invocation& invocation, Output& output) {
  const auto tag = invocation.values.find("--tag");
  const auto listing = check::CheckStore().List();
  for (const check::CheckRecord& record : listing.records) {
    if (tag != invocation.values.end() && record.tag != tag->second)
      continue;
    const std::string model = keep::BackupModelName(record.model);
    const std::string result(check::CheckResultKey(record.result));
    if (output.Json()) {
      output.Emit(QJsonObject{{"id", JsonText(record.id)},
                              {"time", JsonText(record.time)},
                              {"tag", JsonText(record.tag)},
                              {"model", keep::ModelJson(record.model)},
                              {"port", JsonText(record.port)},
                              {"result", JsonText(result)}});
      continue;
    }
    std::string line;
    for (const std::string& field : {record.id, record.time, record.tag, model, result})
      line += (line.empty() ? "" : "\t") + keep::PrintableText(field);
    output.Line(line);
  }
  for (const std::string& file : listing.unreadable)
    output.Problem("skipped " + keep::PrintableText(file));
  return kExitSuccess;
}

}  // namespace zelto::cli
