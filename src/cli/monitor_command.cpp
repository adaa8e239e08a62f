#include "cli/monitor_command.h"

#include "cli/console_reporter.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/json_results.h"
#include "cli/port_runs.h"
#include "cli/service_commands.h"
#include "cli/stop_signals.h"
#include "link/monitor.h"
#include "link/monitor_csv.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

namespace zelto::cli {
namespace {

// The window polls the monitor every three seconds.
constexpr int kDefaultIntervalMs = 3000;
// Long enough for a poll of an answering device at the slowest rate (eleven exchanges at 2400
// baud take about 1.2 s); a silent one is given up rather than waited out.
constexpr std::chrono::milliseconds kStopGrace{2000};

struct MonitorOptions {
  int count = 1;  // 0: until a signal
  int intervalMs = kDefaultIntervalMs;
  bool csv = false;
};

// A whole number of at least `least`, or the default when the option is absent.
std::optional<int> NumberOption(const OptionValues& values, std::string_view name, int fallback,
                                int least) {
  const auto found = values.find(name);
  if (found == values.end())
    return fallback;
  const auto value = ParseInteger(found->second);
  if (!value || *value < least)
    return std::nullopt;
  return value;
}

std::variant<MonitorOptions, std::string> ParseMonitorOptions(const Invocation& invocation) {
  const OptionValues& values = invocation.values;
  if (const auto reason = MissingDevice(invocation.options))
    return *reason;
  MonitorOptions options;
  const auto count = NumberOption(values, "--count", options.count, 0);
  if (!count)
    return InvalidValue("--count", values.at("--count"));
  const auto interval = NumberOption(values, "--interval", options.intervalMs, 0);
  if (!interval)
    return InvalidValue("--interval", values.at("--interval"));
  options.count = *count;
  options.intervalMs = *interval;
  options.csv = Has(values, "--csv");
  // Each is a whole output of its own.
  if (options.csv && invocation.options.json)
    return ToolText(QT_TRANSLATE_NOOP("cli", "--csv и --json вместе не используются"));
  return options;
}

// A cycle's output, printed once the exchanges are over: a whole block, line or object, each
// line flushed as it is finished.
void PrintCycle(const MonitorOptions& options, std::chrono::system_clock::time_point start,
                const MonitorCycle& cycle, const MonitorValues& values, Output& output,
                ConsoleReporter& out) {
  if (output.Json()) {
    output.Emit(MonitorObject(start, cycle));
  } else if (options.csv) {
    output.TableRow(MonitorCsvLine(start, cycle.readings));
  } else {
    out.ClearMemo();
    for (const std::string& line : MonitorLines(values))
      out.AddMemoLine(line);
    out.FinishLine();
  }
}

// Standard output refused a line: what follows would be a recording with a hole, so every port
// stops, each saying why.
int OutputLost(Output& output, StopSignals* stop) {
  if (stop != nullptr)
    stop->StopWith(kExitFileError);
  return output.OutputLost();
}

// Polls until the count is reached, a signal asks to stop (count 0), or a poll ends the run:
// silence ends a counted run, a port that went away any run, lost output every run.
int PollCycles(const MonitorOptions& options, DeviceSession& session, Output& output,
               ConsoleReporter& out, StopSignals* stop) {
  MonitorValues values{};
  // The lines are printed here, after the exchanges, rather than by the poll.
  const TraceFlags noDump;
  // Counted wide: a run until a signal may go on for weeks at any pace.
  for (std::int64_t cycle = 0; options.count == 0 || cycle < options.count; ++cycle) {
    const std::chrono::milliseconds pause(cycle == 0 ? 0 : options.intervalMs);
    if (stop != nullptr) {
      if (stop->WaitFor(pause))
        return output.OutputFailed() ? OutputLost(output, nullptr) : kExitSuccess;
      stop->ExchangeStarts();
    } else if (cycle > 0) {
      std::this_thread::sleep_for(pause);
    }
    const auto start = std::chrono::system_clock::now();
    const MonitorCycle polled =
        PollMonitorCycle(session.GetLink(), values, MonitorSet::kFull, noDump, out);
    if (stop != nullptr)
      stop->ExchangeEnds();
    const bool ends = session.GetLink().PortWentAway() ||
                      (polled.outcome != ServiceOutcome::kDone && options.count != 0);
    if (ends && output.Json()) {
      // The failure's object holds what the cycle read before the silence.
      output.Result() = MonitorObject(start, polled);
    } else {
      PrintCycle(options, start, polled, values, output, out);
    }
    if (output.OutputFailed())
      return OutputLost(output, stop);
    if (ends)
      return session.ExitCode(ServiceExit(polled.outcome));
  }
  return kExitSuccess;
}

}  // namespace

int RunMonitor(const Invocation& invocation, Output& output) {
  const auto parsed = ParseMonitorOptions(invocation);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(output, *reason);
  const auto& options = std::get<MonitorOptions>(parsed);

  // Before anything else, and before the ports' threads, which take its blocked signals: a
  // signal during a connection is a stop too.
  std::optional<StopSignals> stop;
  if (options.count == 0)
    stop.emplace(kStopGrace);
  std::once_flag header;
  return RunOnPorts(invocation.options, output, [&](const PortRun& run) -> int {
    ConsoleReporter out(run.output);
    DeviceSession session(run.options, out, run.output);
    if (stop)
      stop->ExchangeStarts();
    const int connected = session.Connect();
    if (stop)
      stop->ExchangeEnds();
    if (connected != kExitSuccess)
      return connected;
    // One header above the lines of every port.
    if (options.csv)
      std::call_once(header, [&] { run.output.TableHeader(MonitorCsvHeader(MonitorSet::kFull)); });
    if (run.output.OutputFailed())
      return OutputLost(run.output, stop ? &*stop : nullptr);
    return PollCycles(options, session, run.output, out, stop ? &*stop : nullptr);
  });
}

}  // namespace zelto::cli
