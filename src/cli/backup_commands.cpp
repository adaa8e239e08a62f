#include "cli/backup_commands.h"

#include "cli/console_reporter.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/json_results.h"
#include "cli/port_runs.h"
#include "config/backup_texts.h"
#include "config/read_summary.h"
#include "config/restore.h"
#include "config/write_verification.h"

#include <optional>

namespace zelto::cli {
namespace {

struct RestoreRequest {
  std::optional<std::string> id;
  bool force = false;
};

std::variant<RestoreRequest, std::string> ParseRestore(const Invocation& invocation) {
  RestoreRequest request;
  request.force = Has(invocation.values, "--force");
  if (!invocation.operands.empty())
    request.id = invocation.operands.front();
  if (const auto reason = MissingDevice(invocation.options))
    return *reason;
  const auto& options = invocation.options;
  const std::size_t ports = std::max(options.portPaths.size(), options.comNumbers.size());
  if (ports > 1)
    return "restore takes one port, not " + std::to_string(ports);
  return request;
}

int RestoreExit(config::RestoreOutcome outcome, const config::Restorer& restorer) {
  switch (outcome) {
    case config::RestoreOutcome::kDone:
      return kExitSuccess;
    case config::RestoreOutcome::kNoAnswer:
      return kExitNoAnswer;
    case config::RestoreOutcome::kStopped:
      return BackupExitCode(restorer.Failure());
    case config::RestoreOutcome::kNothingToUndo:
    case config::RestoreOutcome::kOtherModel:
    case config::RestoreOutcome::kDeviceDiffers:
      break;
  }
  return kExitUsage;
}

// The restore against the identified device, and the summary of what it now holds; with
// --verify, then the words it wrote back, read back.
int RestoreOnDevice(const PortRun& run, DeviceSession& session, Reporter& reporter,
                    config::BackupStore& store, const std::optional<config::Backup>& chosen,
                    bool force, int model) {
  config::Restorer restorer(session.GetLink(), reporter, store, session.Backups());
  std::optional<config::Backup> backup = chosen;
  bool deviceHoldsIt = true;
  if (!backup) {
    const auto choice = restorer.FindUndo();
    if (!choice) {
      const auto failure = restorer.Failure();
      return failure == config::BackupFailure::kNone ? kExitUsage : BackupExitCode(failure);
    }
    backup = choice->backup;
    deviceHoldsIt = choice->deviceHoldsIt;
  }
  run.output.Result().insert("restored", JsonText(backup->id));
  if (!deviceHoldsIt && !force)  // the restorer has said why
    return RecordWrite(run, session.ExitCode(kExitUsage), run.output.LastStatus(), {}, {});
  reporter.ShowStatus(config::RestoringStatus(backup->id));
  const config::RestoreOutcome outcome = restorer.Restore(*backup, force);
  if (outcome != config::RestoreOutcome::kDone)
    return RecordWrite(run, session.ExitCode(RestoreExit(outcome, restorer)),
                       run.output.LastStatus(), restorer.SavedId(), {});
  const std::string status = run.output.LastStatus();
  config::ConfigRecord record;
  record.Device = static_cast<std::uint8_t>(model);
  const auto read = config::ReadSummary(session.GetLink(), reporter, record, model);
  const int exitCode =
      session.ExitCode(read == config::DeviceOutcome::kDone ? kExitSuccess : kExitNoAnswer);
  return RecordWrite(run, exitCode, status, restorer.SavedId(), [&] {
    return config::VerifyWrittenWords(session.GetLink(), reporter, backup->before);
  });
}

}  // namespace

int BackupExitCode(config::BackupFailure failure) {
  switch (failure) {
    case config::BackupFailure::kNoAnswer:
    case config::BackupFailure::kBadReply:
      return kExitNoAnswer;
    case config::BackupFailure::kPortGone:
      return kExitPortError;
    case config::BackupFailure::kNotSaved:
      return kExitFileError;
    case config::BackupFailure::kNone:
      break;
  }
  return kExitSuccess;
}

int RunBackups(const Invocation&, Output& output) {
  const config::BackupStore store;
  const auto listing = store.List();
  for (const config::Backup& backup : listing.backups) {
    if (output.Json()) {
      output.Emit(BackupObject(backup));
      continue;
    }
    const std::string first = backup.summary.empty() ? std::string() : backup.summary.front();
    output.Line(backup.id + "\t" + backup.time + "\t" + config::BackupModelName(backup.model) +
                "\t" + std::string(config::OperationName(backup.operation)) + "\t" + first);
  }
  for (const std::string& file : listing.unreadable)
    output.Problem("skipped " + file);
  return kExitSuccess;
}

int RunRestore(const Invocation& invocation, Output& output) {
  const auto parsed = ParseRestore(invocation);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(output, *reason);
  const auto& request = std::get<RestoreRequest>(parsed);
  const int model = invocation.options.model;

  config::BackupStore store;
  std::optional<config::Backup> chosen;
  if (request.id) {
    auto loaded = store.Load(*request.id);
    if (const auto* failure = std::get_if<config::BackupStore::LoadFailure>(&loaded)) {
      if (failure->missing)
        return UsageError(output, failure->reason);
      output.Problem("backup " + *request.id + ": " + failure->reason);
      return kExitFileError;
    }
    chosen = std::get<config::Backup>(loaded);
    if (chosen->model != model) {
      return UsageError(output, "backup " + chosen->id + " is of the model " +
                                    config::BackupModelName(chosen->model) + ", not " +
                                    config::BackupModelName(model));
    }
  }

  return RunOnPorts(invocation.options, output, [&](const PortRun& run) -> int {
    ConsoleReporter reporter(run.output);
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      return RestoreOnDevice(run, session, reporter, store, chosen, request.force, model);
    });
  });
}

}  // namespace zelto::cli
