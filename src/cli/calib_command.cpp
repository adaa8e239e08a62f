#include "cli/calib_command.h"

#include "calib/calibration_display.h"
#include "calib/calibration_files.h"
#include "calib/calibration_transfers.h"
#include "cli/backup_commands.h"
#include "cli/console_reporter.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/named_options.h"
#include "cli/port_commands.h"
#include "cli/qt_core.h"

#include <algorithm>
#include <array>
#include <optional>

namespace zelto::cli {
namespace {

enum class Operation { kShow, kRead, kWrite, kClear, kClearFull };

struct OperationName {
  std::string_view name;
  Operation operation;
};
constexpr std::array<OperationName, 5> kOperations{{{"show", Operation::kShow},
                                                    {"read", Operation::kRead},
                                                    {"write", Operation::kWrite},
                                                    {"clear", Operation::kClear},
                                                    {"clear-full", Operation::kClearFull}}};

enum class FileKind { kBinary, kText };

struct CalibFile {
  std::string path;
  FileKind kind = FileKind::kBinary;
};

struct CalibRequest {
  Operation operation = Operation::kShow;
  std::optional<CalibFile> load;
  std::optional<CalibFile> save;
};

std::optional<FileKind> KindOf(const std::string& path) {
  if (path.ends_with(".bin"))
    return FileKind::kBinary;
  if (path.ends_with(".txt"))
    return FileKind::kText;
  return std::nullopt;
}

std::variant<CalibRequest, std::string> ParseCalib(const Invocation& invocation) {
  const auto& arguments = invocation.arguments;
  if (arguments.empty())
    return std::string("calib needs an operation: show, read, write, clear or clear-full");
  CalibRequest request;
  const auto named = std::find_if(kOperations.begin(), kOperations.end(),
                                  [&](const OperationName& op) { return op.name == arguments[0]; });
  if (named == kOperations.end())
    return "unknown calib operation '" + arguments[0] + "'";
  request.operation = named->operation;

  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  const auto parsed = ParseNamedOptions(rest, {"--load", "--save"}, "calib");
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return *reason;
  const auto& options = std::get<NamedOptions>(parsed);
  for (const auto& [name, path] : options) {
    const auto kind = KindOf(path);
    if (!kind)
      return "option " + name + " needs a .bin or .txt file";
    (name == "--load" ? request.load : request.save) = CalibFile{path, *kind};
  }
  // A fresh process holds an all-zero block: writing or showing it needs one from a file.
  if ((request.operation == Operation::kWrite || request.operation == Operation::kShow) &&
      !request.load) {
    return "calib " + arguments[0] + " needs --load FILE";
  }
  if (request.operation != Operation::kShow) {
    if (const auto reason = MissingDevice(invocation.options))
      return *reason;
  }
  return request;
}

// The file operations print no block: the tool shows it once, after the operation.
calib::FileOutcome Load(const CalibFile& file, calib::CalibBlock& block, int model,
                        Reporter& reporter) {
  if (file.kind == FileKind::kBinary)
    return calib::LoadCalibrationBin(file.path, block, model, false, reporter);
  return calib::LoadCalibrationText(file.path, block, model, false, reporter);
}

calib::FileOutcome Save(const CalibFile& file, const calib::CalibBlock& block, int model,
                        Reporter& reporter) {
  if (file.kind == FileKind::kBinary)
    return calib::SaveCalibrationBin(file.path, block, reporter);
  return calib::SaveCalibrationText(file.path, block, model, false, reporter);
}

ServiceOutcome RunOnDevice(Operation operation, Link& link, calib::CalibBlock& block, int model,
                           Reporter& reporter, config::WriteGuard& backup) {
  config::ConfigRecord record;
  record.Device = static_cast<std::uint8_t>(model);
  switch (operation) {
    case Operation::kRead:
      return calib::ReadCalibration(link, block, model, true, reporter);
    case Operation::kWrite:
      return calib::WriteCalibration(link, block, model, true, reporter, backup);
    case Operation::kClear:
      return calib::ClearCalibration(link, record, reporter, backup);
    case Operation::kClearFull:
      return calib::ClearCalibrationFull(link, block, record, model, true, reporter, backup);
    case Operation::kShow:
      break;
  }
  return ServiceOutcome::kDone;
}

int ExitOf(ServiceOutcome outcome, const config::DeviceBackup& backup) {
  switch (outcome) {
    case ServiceOutcome::kNoAnswer:
      return kExitNoAnswer;
    case ServiceOutcome::kStopped:
      return BackupExitCode(backup.Failure());
    case ServiceOutcome::kDone:
    case ServiceOutcome::kUnknownModel:
      break;
  }
  return kExitSuccess;
}

}  // namespace

int RunCalib(const Invocation& invocation) {
  const auto parsed = ParseCalib(invocation);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(*reason);
  const auto& request = std::get<CalibRequest>(parsed);
  const int model = invocation.options.model;

  ConsoleReporter reporter;
  calib::CalibBlock block{};
  // A file that does not load whole is not sent to a device.
  if (request.load && Load(*request.load, block, model, reporter) != calib::FileOutcome::kDone)
    return kExitFileError;

  if (request.operation == Operation::kShow) {
    calib::ShowCalibration(block, model, true, reporter);
  } else {
    const QtCore qt;
    DeviceSession session(invocation.options, reporter);
    if (const int connected = session.Connect(); connected != kExitSuccess)
      return connected;
    config::BackupStore store;
    config::DeviceBackup backup(session.GetLink(), reporter, store, session.Backups());
    const ServiceOutcome outcome =
        RunOnDevice(request.operation, session.GetLink(), block, model, reporter, backup);
    if (const int done = session.ExitCode(ExitOf(outcome, backup)); done != kExitSuccess)
      return done;
  }
  if (request.save && Save(*request.save, block, model, reporter) != calib::FileOutcome::kDone)
    return kExitFileError;
  return kExitSuccess;
}

}  // namespace zelto::cli
