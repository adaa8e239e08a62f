#include "cli/backup_commands.h"

#include "cli/console_reporter.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/json_results.h"
#include "cli/port_runs.h"
#include "config/read_summary.h"
#include "keep/backup_texts.h"
#include "keep/printable_text.h"
#include "keep/restore.h"
#include "keep/write_verification.h"
#include "link/status_translation.h"
#include "link/translatable.h"

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
    return ToolText(QT_TRANSLATE_NOOP("cli", "restore работает с одним портом, а не с %1"),
                    {std::to_string(ports)});
  return request;
}

int RestoreExit(keep::RestoreOutcome outcome, const keep::Restorer& restorer) {
  switch (outcome) {
    case keep::RestoreOutcome::kDone:
      return kExitSuccess;
    case keep::RestoreOutcome::kNoAnswer:
      return kExitNoAnswer;
    case keep::RestoreOutcome::kStopped:
      return BackupExitCode(restorer.Failure());
    case keep::RestoreOutcome::kBadBackup:
      return kExitFileError;
    case keep::RestoreOutcome::kNothingToUndo:
    case keep::RestoreOutcome::kOtherModel:
    case keep::RestoreOutcome::kOtherUnit:
    case keep::RestoreOutcome::kDeviceDiffers:
      break;
  }
  return kExitUsage;
}

// A backup as the listings print it: the fields tab-separated, what came from the file made safe
// to print.
std::string BackupLine(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields)
    line += (line.empty() ? "" : "\t") + keep::PrintableText(field);
  return line;
}

// The backups an undo cannot choose between, for the user to name one: id, time and port.
void ListCandidates(const PortRun& run, const std::vector<keep::Backup>& candidates) {
  QJsonArray listed;
  for (const keep::Backup& candidate : candidates) {
    run.output.Line(BackupLine({candidate.id, candidate.time, candidate.port}));
    listed.append(QJsonObject{{"id", JsonText(candidate.id)},
                              {"time", JsonText(candidate.time)},
                              {"port", JsonText(candidate.port)}});
  }
  run.output.Result().insert("candidates", listed);
}

// The restore against the identified device, and the summary of what it now holds; with
// --verify, then the words it wrote back, read back.
int RestoreOnDevice(const PortRun& run, DeviceSession& session, Reporter& reporter,
                    keep::BackupStore& store, const std::optional<keep::Backup>& chosen, bool force,
                    int model) {
  keep::Restorer restorer(session.GetLink(), reporter, store, session.Backups());
  std::optional<keep::Backup> backup = chosen;
  bool refused = false;  // unless forced: the restorer has said why
  if (!backup) {
    const auto choice = restorer.FindUndo();
    if (!choice) {
      const auto failure = restorer.Failure();
      return failure == keep::BackupFailure::kNone ? kExitUsage : BackupExitCode(failure);
    }
    // Which of several units written alike this is, only the user can say; forcing says nothing
    // about that.
    if (!choice->candidates.empty()) {
      ListCandidates(run, choice->candidates);
      return RecordWrite(run, session.ExitCode(kExitUsage), run.output.LastStatus(), {}, {});
    }
    backup = choice->backup;
    refused = !choice->deviceHoldsIt || !choice->sameUnit;
  }
  run.output.Result().insert("restored", JsonText(backup->id));
  if (refused && !force)
    return RecordWrite(run, session.ExitCode(kExitUsage), run.output.LastStatus(), {}, {});
  reporter.ShowStatus(keep::RestoringStatus(backup->id));
  const keep::RestoreOutcome outcome = restorer.Restore(*backup, force);
  if (outcome != keep::RestoreOutcome::kDone)
    return RecordWrite(run, session.ExitCode(RestoreExit(outcome, restorer)),
                       run.output.LastStatus(), restorer.SavedId(), {});
  const std::string status = run.output.LastStatus();
  config::ConfigRecord record;
  record.Device = static_cast<std::uint8_t>(model);
  const auto read = config::ReadSummary(session.GetLink(), reporter, record, model);
  const int exitCode =
      session.ExitCode(read == config::DeviceOutcome::kDone ? kExitSuccess : kExitNoAnswer);
  return RecordWrite(run, exitCode, status, restorer.SavedId(), [&] {
    return keep::VerifyWrittenWords(session.GetLink(), reporter, restorer.Written());
  });
}

}  // namespace

int BackupExitCode(keep::BackupFailure failure) {
  switch (failure) {
    case keep::BackupFailure::kNoAnswer:
    case keep::BackupFailure::kBadReply:
      return kExitNoAnswer;
    case keep::BackupFailure::kPortGone:
      return kExitPortError;
    case keep::BackupFailure::kNotSaved:
      return kExitFileError;
    case keep::BackupFailure::kNone:
      break;
  }
  return kExitSuccess;
}

int RunBackups(const Invocation&, Output& output) {
  const keep::BackupStore store;
  const auto listing = store.List();
  for (const keep::Backup& backup : listing.backups) {
    if (output.Json()) {
      output.Emit(BackupObject(backup));
      continue;
    }
    const std::string first = backup.summary.empty() ? std::string() : backup.summary.front();
    output.Line(BackupLine({backup.id, backup.time, keep::BackupModelName(backup.model),
                            std::string(config::OperationName(backup.operation)), first}));
  }
  for (const std::string& file : listing.unreadable)
    output.Problem("skipped " + keep::PrintableText(file));
  return kExitSuccess;
}

int RunRestore(const Invocation& invocation, Output& output) {
  const auto parsed = ParseRestore(invocation);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(output, *reason);
  const auto& request = std::get<RestoreRequest>(parsed);
  const int model = invocation.options.model;

  keep::BackupStore store;
  std::optional<keep::Backup> chosen;
  if (request.id) {
    auto loaded = store.Load(*request.id);
    if (const auto* failure = std::get_if<keep::BackupStore::LoadFailure>(&loaded)) {
      if (failure->missing)
        return UsageError(output, failure->reason);
      output.Problem("backup " + *request.id + ": " + failure->reason);
      if (failure->offPlan)
        ConsoleReporter(output).ShowStatus(keep::kStatusBadBackup);
      return kExitFileError;
    }
    chosen = std::get<keep::Backup>(loaded);
    if (chosen->model != model) {
      return UsageError(
          output,
          ToolText(
              QT_TRANSLATE_NOOP("cli", "резервная копия %1 снята с модели %2, а не %3"),
              {chosen->id, keep::BackupModelName(chosen->model), keep::BackupModelName(model)}));
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
