#include "cli/device_commands.h"

#include "cli/backup_commands.h"
#include "cli/json_results.h"
#include "cli/profile_commands.h"
#include "cli/trace_config_view.h"
#include "cli/window_entries.h"
#include "cli/write_options.h"
#include "config/nominal_currents.h"
#include "config/read_summary.h"
#include "config/sensor_selection.h"
#include "config/write_sequences.h"
#include "keep/device_words.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <cstdio>

namespace zelto::cli {
namespace {

std::optional<std::string> TableLoadingOnly(const Invocation& invocation) {
  if (config::IsTableLoadingDevice(invocation.options.model))
    return std::nullopt;
  return ToolText(QT_TRANSLATE_NOOP("cli",
                                    "%1 только для моделей с загрузкой таблиц: у Velmor-7 "
                                    "нет подстройки диапазона"),
                  {invocation.command});
}

// What the words a mismatch names held and were sent, as a backup writes words.
std::string MismatchLine(const keep::WordMismatch& mismatch) {
  return "zelto-cli: word " + std::to_string(mismatch.address) + " reads " +
         keep::WordHex(mismatch.held) + ", written " + keep::WordHex(mismatch.written);
}

// read --json: the words the summary came from, read once more, as values.
int ReadResult(Link& link, ConsoleReporter& reporter, Output& output, int model) {
  keep::WordMap words;
  const auto addresses = ConfigurationAddresses(model);
  if (const auto read = keep::ReadDeviceWords(link, reporter, addresses, words);
      read != config::DeviceOutcome::kDone) {
    return ExitCodeFor(read);
  }
  QJsonObject& result = output.Result();
  AddFirmware(result, model, words);
  AddConfiguration(result, model, words);
  result.insert("lines", LinesArray(reporter.KeptLines()));
  return kExitSuccess;
}

}  // namespace

int RecordWrite(const PortRun& run, int exitCode, const std::string& status,
                const std::string& backupId,
                const std::function<keep::Verification()>& verification) {
  QJsonObject& result = run.output.Result();
  result.insert("status", JsonText(status));
  result.insert("backup", backupId.empty() ? QJsonValue() : QJsonValue(JsonText(backupId)));
  if (exitCode != kExitSuccess || !run.options.verify)
    return exitCode;

  const keep::Verification checked = verification();
  result.insert("verified", checked.outcome == keep::VerifyOutcome::kVerified);
  switch (checked.outcome) {
    case keep::VerifyOutcome::kVerified:
      return kExitSuccess;
    case keep::VerifyOutcome::kDiffers:
      for (const keep::WordMismatch& mismatch : checked.mismatches)
        run.output.Note(MismatchLine(mismatch));
      result.insert("mismatches", MismatchesArray(checked.mismatches));
      return kExitNoAnswer;
    case keep::VerifyOutcome::kNotRead:
      break;
  }
  return BackupExitCode(checked.failure);
}

int GuardedWrite(const PortRun& run, DeviceSession& session, Reporter& reporter,
                 const GuardedOperation& operation) {
  keep::BackupStore store;
  keep::DeviceBackup backup(session.GetLink(), reporter, store, session.Backups());
  keep::VerifyingGuard verifying(backup);
  const config::DeviceOutcome outcome = operation(session.GetLink(), verifying);
  const int exitCode = outcome == config::DeviceOutcome::kStopped
                           ? BackupExitCode(backup.Failure())
                           : session.ExitCode(ExitCodeFor(outcome));
  return RecordWrite(run, exitCode, run.output.LastStatus(), backup.SavedId(),
                     [&] { return verifying.Verify(session.GetLink(), reporter); });
}

int ExitCodeFor(config::DeviceOutcome outcome) {
  switch (outcome) {
    case config::DeviceOutcome::kDone:
      return kExitSuccess;
    case config::DeviceOutcome::kNoAnswer:
      return kExitNoAnswer;
    case config::DeviceOutcome::kRefused:
    case config::DeviceOutcome::kNotAvailable:
    case config::DeviceOutcome::kNoModel:
    case config::DeviceOutcome::kStopped:  // the backup has said why
      break;
  }
  return kExitUsage;
}

int RunRead(const Invocation& invocation, Output& output) {
  if (Has(invocation.values, "--save-profile"))
    return RunReadSavingProfile(invocation, output);
  const int model = invocation.options.model;
  return RunOnPorts(invocation.options, output, [model](const PortRun& run) -> int {
    ConsoleReporter reporter(run.output);
    if (run.output.Json())
      reporter.KeepLines();
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      config::ConfigRecord record;
      record.Device = static_cast<std::uint8_t>(model);
      const auto read = config::ReadSummary(session.GetLink(), reporter, record, model);
      if (read != config::DeviceOutcome::kDone || !run.output.Json())
        return ExitCodeFor(read);
      reporter.FinishLine();
      return ReadResult(session.GetLink(), reporter, run.output, model);
    });
  });
}

int RunWrite(const Invocation& invocation, Output& output) {
  if (Has(invocation.values, "--profile"))
    return RunWriteProfile(invocation, output);
  const int model = invocation.options.model;
  const auto parsed = ParseWriteOptions(invocation.values, model);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(output, *reason);
  const auto& options = std::get<WriteOptions>(parsed);
  // Refused once, before any port is touched; each port's run makes the record again, with the
  // configuration dump of its own trace.
  config::SilentConfigView silent;
  if (const auto built = RecordForWrite(options, model, silent);
      const auto* reason = std::get_if<std::string>(&built)) {
    return UsageError(output, *reason);
  }
  return RunOnPorts(invocation.options, output, [&](const PortRun& run) -> int {
    TraceConfigView view(run.options, run.output);
    auto record = std::get<config::ConfigRecord>(RecordForWrite(options, model, view));
    ConsoleReporter reporter(run.output);
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      return GuardedWrite(run, session, reporter, [&](Link& link, config::WriteGuard& guard) {
        return config::WriteConfiguration(link, reporter, record, model, options.lineFunc,
                                          options.switches, guard);
      });
    });
  });
}

int RunCorrect(const Invocation& invocation, Output& output) {
  const int model = invocation.options.model;
  const auto parsed = ParseCorrectOptions(invocation.values, model);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(output, *reason);
  const auto& options = std::get<CorrectOptions>(parsed);
  config::SilentConfigView silent;
  if (const auto built = RecordForCorrection(options, model, silent);
      const auto* reason = std::get_if<std::string>(&built)) {
    return UsageError(output, *reason);
  }
  return RunOnPorts(invocation.options, output, [&](const PortRun& run) -> int {
    TraceConfigView view(run.options, run.output);
    auto record = std::get<config::ConfigRecord>(RecordForCorrection(options, model, view));
    // The memo gets nothing here but the correction trace, which goes where every trace goes.
    ConsoleReporter reporter(run.output, ConsoleReporter::Memo::kErr);
    EEImage image{};
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      return GuardedWrite(run, session, reporter, [&](Link& link, config::WriteGuard& guard) {
        return config::WriteCorrection(link, reporter, record, model, options.lineFunc,
                                       view.Flags(), image, guard);
      });
    });
  });
}

int RunResetCorrection(const Invocation& invocation, Output& output) {
  if (const auto reason = TableLoadingOnly(invocation))
    return UsageError(output, *reason);
  const int model = invocation.options.model;
  return RunOnPorts(invocation.options, output, [model](const PortRun& run) -> int {
    TraceConfigView view(run.options, run.output);
    config::ConfigRecord record;
    config::SetDeviceOrSensor(record, config::Selection::kDevice, model, config::kOutput4To20,
                              view);
    ConsoleReporter reporter(run.output);
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      return GuardedWrite(run, session, reporter, [&](Link& link, config::WriteGuard& guard) {
        return config::ResetCorrection(link, reporter, record, model, config::kOutput4To20, view,
                                       guard);
      });
    });
  });
}

}  // namespace zelto::cli
