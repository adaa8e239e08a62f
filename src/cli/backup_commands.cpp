#include "cli/backup_commands.h"

#include "cli/console_reporter.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/port_commands.h"
#include "cli/qt_core.h"
#include "config/backup_texts.h"
#include "config/read_summary.h"
#include "config/restore.h"

#include <cstdio>
#include <optional>

namespace zelto::cli {
namespace {

struct RestoreRequest {
  std::optional<std::string> id;
  bool force = false;
};

std::variant<RestoreRequest, std::string> ParseRestore(const Invocation& invocation) {
  RestoreRequest request;
  for (const std::string& argument : invocation.arguments) {
    if (argument == "--force") {
      request.force = true;
    } else if (argument.starts_with("-")) {
      return "unknown option '" + argument + "' for restore";
    } else if (request.id) {
      return "restore takes one backup id, not '" + *request.id + "' and '" + argument + "'";
    } else {
      request.id = argument;
    }
  }
  if (const auto reason = MissingDevice(invocation.options))
    return *reason;
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

// The restore against the identified device, and the summary of what it now holds.
int RestoreOnDevice(DeviceSession& session, Reporter& reporter, config::BackupStore& store,
                    const std::optional<config::Backup>& chosen, bool force, int model) {
  config::Restorer restorer(session.GetLink(), reporter, store, session.Backups());
  std::optional<config::Backup> backup = chosen;
  if (!backup) {
    backup = restorer.FindUndo();
    if (!backup) {
      const auto failure = restorer.Failure();
      return session.ExitCode(failure == config::BackupFailure::kNone ? kExitUsage
                                                                      : BackupExitCode(failure));
    }
  }
  reporter.ShowStatus(config::RestoringStatus(backup->id));
  const config::RestoreOutcome outcome = restorer.Restore(*backup, force);
  if (outcome != config::RestoreOutcome::kDone)
    return session.ExitCode(RestoreExit(outcome, restorer));
  config::ConfigRecord record;
  record.Device = static_cast<std::uint8_t>(model);
  const auto read = config::ReadSummary(session.GetLink(), reporter, record, model);
  return session.ExitCode(read == config::DeviceOutcome::kDone ? kExitSuccess : kExitNoAnswer);
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

int RunBackups(const Invocation& invocation) {
  if (!invocation.arguments.empty())
    return UsageError("unexpected argument '" + invocation.arguments.front() + "' for backups");
  const config::BackupStore store;
  const auto listing = store.List();
  for (const config::Backup& backup : listing.backups) {
    const std::string first = backup.summary.empty() ? std::string() : backup.summary.front();
    std::printf("%s\t%s\t%s\t%s\t%s\n", backup.id.c_str(), backup.time.c_str(),
                config::BackupModelName(backup.model).c_str(),
                std::string(config::OperationName(backup.operation)).c_str(), first.c_str());
  }
  for (const std::string& file : listing.unreadable)
    std::fprintf(stderr, "zelto-cli: skipped %s\n", file.c_str());
  return kExitSuccess;
}

int RunRestore(const Invocation& invocation) {
  const auto parsed = ParseRestore(invocation);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(*reason);
  const auto& request = std::get<RestoreRequest>(parsed);
  const int model = invocation.options.model;

  config::BackupStore store;
  std::optional<config::Backup> chosen;
  if (request.id) {
    auto loaded = store.Load(*request.id);
    if (const auto* failure = std::get_if<config::BackupStore::LoadFailure>(&loaded)) {
      if (failure->missing)
        return UsageError(failure->reason);
      std::fprintf(stderr, "zelto-cli: backup %s: %s\n", request.id->c_str(),
                   failure->reason.c_str());
      return kExitFileError;
    }
    chosen = std::get<config::Backup>(loaded);
    if (chosen->model != model) {
      return UsageError("backup " + chosen->id + " is of the model " +
                        config::BackupModelName(chosen->model) + ", not " +
                        config::BackupModelName(model));
    }
  }

  const QtCore qt;
  ConsoleReporter reporter;
  DeviceSession session(invocation.options, reporter);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  return RestoreOnDevice(session, reporter, store, chosen, request.force, model);
}

}  // namespace zelto::cli
