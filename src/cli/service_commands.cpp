#include "cli/service_commands.h"

#include "calib/ee_image_file.h"
#include "cli/console_reporter.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/json_results.h"
#include "cli/port_runs.h"
#include "link/memory_reads.h"

namespace zelto::cli {
namespace {

QString HexOf(const EEImage& image) {
  const QByteArray bytes(reinterpret_cast<const char*>(image.data()),
                         static_cast<qsizetype>(image.size()));
  return QString::fromLatin1(bytes.toHex());
}

}  // namespace

int ServiceExit(ServiceOutcome outcome) {
  switch (outcome) {
    case ServiceOutcome::kDone:
      return kExitSuccess;
    case ServiceOutcome::kNoAnswer:
      return kExitNoAnswer;
    case ServiceOutcome::kUnknownModel:
    case ServiceOutcome::kStopped:  // only writes are stopped, and none of these writes
      break;
  }
  return kExitUsage;
}

int RunMemory(const Invocation& invocation, Output& output) {
  const auto save = invocation.values.find("--save");
  return RunOnPorts(invocation.options, output, [&](const PortRun& run) -> int {
    ConsoleReporter reporter(run.output);
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      EEImage image{};
      if (const auto outcome = ReadEEImage(session.GetLink(), image, reporter);
          outcome != ServiceOutcome::kDone) {
        return ServiceExit(outcome);
      }
      reporter.FinishLine();
      run.output.Result().insert("memory", HexOf(image));
      if (save == invocation.values.end())
        return kExitSuccess;
      const std::string path = run.FileFor(save->second);
      if (calib::SaveEEImage(path, image, reporter) != files::FileOutcome::kDone)
        return kExitFileError;
      run.output.Result().insert("saved", JsonText(path));
      return kExitSuccess;
    });
  });
}

int RunTables(const Invocation& invocation, Output& output) {
  return RunOnPorts(invocation.options, output, [](const PortRun& run) -> int {
    ConsoleReporter reporter(run.output);
    if (run.output.Json())
      reporter.KeepLines();
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      EEImage image{};
      const int exitCode = ServiceExit(ReadTablesImage(session.GetLink(), image, reporter));
      reporter.FinishLine();
      run.output.Result().insert("lines", LinesArray(reporter.KeptLines()));
      return exitCode;
    });
  });
}

}  // namespace zelto::cli
