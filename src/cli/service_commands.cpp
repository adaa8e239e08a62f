#include "cli/service_commands.h"

#include "calib/ee_image_file.h"
#include "cli/console_reporter.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/json_results.h"
#include "cli/port_runs.h"
#include "link/memory_reads.h"
#include "link/monitor.h"

#include <QDateTime>

#include <chrono>
#include <thread>

namespace zelto::cli {
namespace {

// The window polls the monitor every three seconds.
constexpr int kDefaultIntervalMs = 3000;

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

// A whole number of at least `least` from an option, or the default when the option is absent.
std::optional<int> CountOption(const OptionValues& values, std::string_view name, int fallback,
                               int least) {
  const auto found = values.find(name);
  if (found == values.end())
    return fallback;
  const auto value = ParseInteger(found->second);
  if (!value || *value < least)
    return std::nullopt;
  return value;
}

QString HexOf(const EEImage& image) {
  const QByteArray bytes(reinterpret_cast<const char*>(image.data()),
                         static_cast<qsizetype>(image.size()));
  return QString::fromLatin1(bytes.toHex());
}

}  // namespace

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
      if (calib::SaveEEImage(path, image, reporter) != calib::FileOutcome::kDone)
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

int RunMonitor(const Invocation& invocation, Output& output) {
  const auto count = CountOption(invocation.values, "--count", 1, 1);
  if (!count)
    return UsageError(output,
                      "invalid value '" + invocation.values.at("--count") + "' for --count");
  const auto interval = CountOption(invocation.values, "--interval", kDefaultIntervalMs, 0);
  if (!interval) {
    return UsageError(output,
                      "invalid value '" + invocation.values.at("--interval") + "' for --interval");
  }
  // --csv, a table of the cycles, is checked here too: with --json it is a usage error.

  return RunOnPorts(invocation.options, output, [&](const PortRun& run) -> int {
    ConsoleReporter reporter(run.output);
    return WithDevice(run, reporter, [&](DeviceSession& session) -> int {
      // The monitor lines print whatever the trace switches say; the window gates them. With
      // --json the cycles' objects take their place.
      TraceFlags shown;
      shown.Set(fCnftoMemo, !run.output.Json());
      MonitorValues values{};
      for (int cycle = 0; cycle < *count; ++cycle) {
        if (cycle > 0)
          std::this_thread::sleep_for(std::chrono::milliseconds(*interval));
        const QDateTime start = QDateTime::currentDateTime();
        const MonitorCycle polled =
            PollMonitorCycle(session.GetLink(), values, MonitorSet::kFull, shown, reporter);
        reporter.FinishLine();
        if (polled.outcome != ServiceOutcome::kDone) {
          // The failure's object holds what the cycle read before the silence.
          run.output.Result() = MonitorObject(start, polled);
          return ServiceExit(polled.outcome);
        }
        if (run.output.Json())
          run.output.Emit(MonitorObject(start, polled));
      }
      return kExitSuccess;
    });
  });
}

}  // namespace zelto::cli
