#include "cli/calib_command.h"

#include "calib/calibration_display.h"
#include "calib/calibration_files.h"
#include "calib/calibration_layout.h"
#include "calib/calibration_transfers.h"
#include "cli/backup_commands.h"
#include "cli/console_reporter.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/json_results.h"
#include "cli/port_runs.h"
#include "files/file_outcome.h"
#include "keep/profile.h"
#include "keep/write_verification.h"
#include "link/status_translation.h"
#include "link/translatable.h"

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
  if (invocation.operands.empty())
    return ToolText(
        QT_TRANSLATE_NOOP("cli", "calib нужна операция: show, read, write, clear или clear-full"));
  const std::string& word = invocation.operands.front();
  CalibRequest request;
  const auto named = std::find_if(kOperations.begin(), kOperations.end(),
                                  [&](const OperationName& op) { return op.name == word; });
  if (named == kOperations.end())
    return ToolText(QT_TRANSLATE_NOOP("cli", "неизвестная операция calib '%1'"), {word});
  request.operation = named->operation;

  for (const auto& [name, path] : invocation.values) {
    const auto kind = KindOf(path);
    if (!kind)
      return ToolText(QT_TRANSLATE_NOOP("cli", "параметру %1 нужен файл .bin или .txt"), {name});
    (name == "--load" ? request.load : request.save) = CalibFile{path, *kind};
  }
  // A fresh process holds an all-zero block: writing or showing it needs one from a file.
  if ((request.operation == Operation::kWrite || request.operation == Operation::kShow) &&
      !request.load) {
    return ToolText(QT_TRANSLATE_NOOP("cli", "calib %1 нужен --load ФАЙЛ"), {word});
  }
  if (request.operation != Operation::kShow) {
    if (const auto reason = MissingDevice(invocation.options))
      return *reason;
  }
  return request;
}

// The file operations print no block: the tool shows it once, after the operation.
files::FileOutcome Load(const CalibFile& file, calib::CalibBlock& block, int model,
                        Reporter& reporter) {
  if (file.kind == FileKind::kBinary)
    return calib::LoadCalibrationBin(file.path, block, model, false, reporter);
  return calib::LoadCalibrationText(file.path, block, model, false, reporter);
}

// Either file says so when it is written; the window's text save, as it always has, does not.
files::FileOutcome Save(const CalibFile& file, const calib::CalibBlock& block, int model,
                        Reporter& reporter) {
  if (file.kind == FileKind::kBinary)
    return calib::SaveCalibrationBin(file.path, block, reporter);
  const files::FileOutcome outcome =
      calib::SaveCalibrationText(file.path, block, model, false, reporter);
  if (outcome == files::FileOutcome::kDone)
    reporter.ShowStatus(files::kStatusFileWritten);
  return outcome;
}

// The block of --load, refused where it cannot be what the user means: a text file that does
// not hold the text form's values, or a block of the other device family (the layout is
// --model's). The exit code; success when it will do.
int CheckLoaded(const CalibFile& file, const calib::CalibBlock& block, int model, Output& output) {
  if (file.kind == FileKind::kText) {
    const auto count = calib::CountCalibrationTextValues(file.path);
    if (count && *count != calib::kCalibrationTextValues) {
      output.Problem(ToolText(
          QT_TRANSLATE_NOOP("cli", "файл '%1' содержит %2 чисел, а файл калибровки — %3"),
          {file.path, std::to_string(*count), std::to_string(calib::kCalibrationTextValues)}));
      return kExitFileError;
    }
  }
  const auto layout = calib::LayoutForModel(model);
  if (layout && !calib::FitsLayout(block, *layout)) {
    return UsageError(output,
                      ToolText(QT_TRANSLATE_NOOP("cli",
                                                 "файл '%1' не ложится в раскладку калибровки "
                                                 "%2: это блок другой модели (раскладку "
                                                 "выбирает --model, по умолчанию velmor-7)"),
                               {file.path, keep::ModelText(model)}));
  }
  return kExitSuccess;
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

int ExitOf(ServiceOutcome outcome, const keep::DeviceBackup& backup) {
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

bool Writes(Operation operation) {
  return operation != Operation::kShow && operation != Operation::kRead;
}

// The operation on the identified device, behind the backup of its writes; a write that ended
// well is checked with --verify.
int OnDevice(const PortRun& run, DeviceSession& session, Reporter& reporter, Operation operation,
             calib::CalibBlock& block, int model) {
  keep::BackupStore store;
  keep::DeviceBackup backup(session.GetLink(), reporter, store, session.Backups());
  keep::VerifyingGuard verifying(backup);
  const ServiceOutcome outcome =
      RunOnDevice(operation, session.GetLink(), block, model, reporter, verifying);
  const int exitCode = session.ExitCode(ExitOf(outcome, backup));
  if (!Writes(operation))
    return exitCode;
  return RecordWrite(run, exitCode, run.output.LastStatus(), backup.SavedId(),
                     [&] { return verifying.Verify(session.GetLink(), reporter); });
}

// The block as it stands after the operation, saved when asked; the exit code.
int KeepBlock(const PortRun* run, Output& output, const CalibRequest& request,
              const calib::CalibBlock& block, int model, Reporter& reporter) {
  if (request.operation == Operation::kShow || request.operation == Operation::kRead)
    output.Result() = CalibrationObject(block, model);
  if (!request.save)
    return kExitSuccess;
  const CalibFile file{run ? run->FileFor(request.save->path) : request.save->path,
                       request.save->kind};
  if (Save(file, block, model, reporter) != files::FileOutcome::kDone)
    return kExitFileError;
  output.Result().insert("saved", JsonText(file.path));
  return kExitSuccess;
}

}  // namespace

int RunCalib(const Invocation& invocation, Output& output) {
  const auto parsed = ParseCalib(invocation);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(output, *reason);
  const auto& request = std::get<CalibRequest>(parsed);
  const int model = invocation.options.model;

  calib::CalibBlock loaded{};
  {
    ConsoleReporter reporter(output);
    // A file that does not load whole, or not for the model, is not shown or sent to a device.
    if (request.load) {
      if (Load(*request.load, loaded, model, reporter) != files::FileOutcome::kDone)
        return kExitFileError;
      if (const int refused = CheckLoaded(*request.load, loaded, model, output))
        return refused;
    }
    if (request.operation == Operation::kShow) {
      calib::ShowCalibration(loaded, model, true, reporter);
      reporter.FinishLine();
      return KeepBlock(nullptr, output, request, loaded, model, reporter);
    }
  }
  return RunOnPorts(invocation.options, output, [&](const PortRun& run) -> int {
    calib::CalibBlock block = loaded;
    ConsoleReporter reporter(run.output);
    const int exitCode = WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      return OnDevice(run, session, reporter, request.operation, block, model);
    });
    if (exitCode != kExitSuccess)
      return exitCode;
    return KeepBlock(&run, run.output, request, block, model, reporter);
  });
}

}  // namespace zelto::cli
