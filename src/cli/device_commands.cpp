#include "cli/device_commands.h"

#include "cli/backup_commands.h"
#include "cli/console_reporter.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/port_commands.h"
#include "cli/profile_commands.h"
#include "cli/qt_core.h"
#include "cli/trace_config_view.h"
#include "cli/window_entries.h"
#include "cli/write_options.h"
#include "config/nominal_currents.h"
#include "config/read_summary.h"
#include "config/sensor_selection.h"
#include "config/write_sequences.h"

#include <cstdio>

namespace zelto::cli {
namespace {

// A usage error before anything else, or the operation against the identified device.
template <class Operation>
int WithDevice(const Invocation& invocation, Reporter& reporter, Operation operation) {
  if (const auto reason = MissingDevice(invocation.options))
    return UsageError(*reason);
  const QtCore qt;
  DeviceSession session(invocation.options, reporter);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  return session.ExitCode(ExitCodeFor(operation(session.GetLink())));
}

// The same for a command that writes: its operation gets the backup that guards the write, and a
// backup that stopped the write gives the exit code of what stopped it.
template <class Operation>
int WithBackup(const Invocation& invocation, Reporter& reporter, Operation operation) {
  if (const auto reason = MissingDevice(invocation.options))
    return UsageError(*reason);
  const QtCore qt;
  DeviceSession session(invocation.options, reporter);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  return GuardedWrite(session, reporter, operation);
}

std::optional<std::string> TableLoadingOnly(const Invocation& invocation) {
  if (config::IsTableLoadingDevice(invocation.options.model))
    return std::nullopt;
  return invocation.command + " is for the table-loading models; Velmor-7 has no range correction";
}

}  // namespace

int GuardedWrite(DeviceSession& session, Reporter& reporter, const GuardedOperation& operation) {
  config::BackupStore store;
  config::DeviceBackup backup(session.GetLink(), reporter, store, session.Backups());
  const config::DeviceOutcome outcome = operation(session.GetLink(), backup);
  if (outcome == config::DeviceOutcome::kStopped)
    return session.ExitCode(BackupExitCode(backup.Failure()));
  return session.ExitCode(ExitCodeFor(outcome));
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

int RunRead(const Invocation& invocation) {
  if (!invocation.arguments.empty())
    return RunReadSavingProfile(invocation);
  ConsoleReporter reporter;
  const int model = invocation.options.model;
  config::ConfigRecord record;
  record.Device = static_cast<std::uint8_t>(model);
  return WithDevice(invocation, reporter,
                    [&](Link& link) { return config::ReadSummary(link, reporter, record, model); });
}

int RunWrite(const Invocation& invocation) {
  if (NamesProfile(invocation))
    return RunWriteProfile(invocation);
  const int model = invocation.options.model;
  const auto parsed = ParseWriteOptions(invocation.arguments, model);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(*reason);
  const auto& options = std::get<WriteOptions>(parsed);
  TraceConfigView view(invocation.options);
  auto built = RecordForWrite(options, model, view);
  if (const auto* reason = std::get_if<std::string>(&built))
    return UsageError(*reason);
  auto& record = std::get<config::ConfigRecord>(built);

  ConsoleReporter reporter;
  return WithBackup(invocation, reporter, [&](Link& link, config::WriteGuard& backup) {
    return config::WriteConfiguration(link, reporter, record, model, options.lineFunc,
                                      options.switches, backup);
  });
}

int RunCorrect(const Invocation& invocation) {
  const int model = invocation.options.model;
  const auto parsed = ParseCorrectOptions(invocation.arguments, model);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(*reason);
  const auto& options = std::get<CorrectOptions>(parsed);
  TraceConfigView view(invocation.options);
  auto built = RecordForCorrection(options, model, view);
  if (const auto* reason = std::get_if<std::string>(&built))
    return UsageError(*reason);
  auto& record = std::get<config::ConfigRecord>(built);

  // The memo gets nothing here but the correction trace, which goes where every trace goes.
  ConsoleReporter reporter(stderr, stderr);
  EEImage image{};
  return WithBackup(invocation, reporter, [&](Link& link, config::WriteGuard& backup) {
    return config::WriteCorrection(link, reporter, record, model, options.lineFunc, view.Flags(),
                                   image, backup);
  });
}

int RunResetCorrection(const Invocation& invocation) {
  if (!invocation.arguments.empty()) {
    return UsageError("unexpected argument '" + invocation.arguments.front() +
                      "' for reset-correction");
  }
  if (const auto reason = TableLoadingOnly(invocation))
    return UsageError(*reason);
  const int model = invocation.options.model;
  TraceConfigView view(invocation.options);
  config::ConfigRecord record;
  config::SetDeviceOrSensor(record, config::Selection::kDevice, model, config::kOutput4To20, view);

  ConsoleReporter reporter;
  return WithBackup(invocation, reporter, [&](Link& link, config::WriteGuard& backup) {
    return config::ResetCorrection(link, reporter, record, model, config::kOutput4To20, view,
                                   backup);
  });
}

}  // namespace zelto::cli
