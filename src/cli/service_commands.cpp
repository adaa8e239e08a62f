#include "cli/service_commands.h"

#include "calib/ee_image_file.h"
#include "cli/console_reporter.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/named_options.h"
#include "cli/port_commands.h"
#include "cli/qt_core.h"
#include "link/memory_reads.h"
#include "link/monitor.h"

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

// Parses the command's options and checks that a device is given.
std::variant<NamedOptions, std::string> DeviceCommandOptions(const Invocation& invocation,
                                                             const std::set<std::string>& allowed) {
  auto parsed = ParseNamedOptions(invocation.arguments, allowed, invocation.command);
  if (std::holds_alternative<NamedOptions>(parsed)) {
    if (const auto reason = MissingDevice(invocation.options))
      return *reason;
  }
  return parsed;
}

// A whole number of at least `least` from an option, or the default when the option is absent.
std::optional<int> CountOption(const NamedOptions& options, const std::string& name, int fallback,
                               int least) {
  const auto found = options.find(name);
  if (found == options.end())
    return fallback;
  const auto value = ParseInteger(found->second);
  if (!value || *value < least)
    return std::nullopt;
  return value;
}

}  // namespace

int RunMemory(const Invocation& invocation) {
  const auto parsed = DeviceCommandOptions(invocation, {"--save"});
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(*reason);
  const auto& options = std::get<NamedOptions>(parsed);

  const QtCore qt;
  ConsoleReporter reporter;
  DeviceSession session(invocation.options, reporter);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  EEImage image{};
  if (const auto outcome = ReadEEImage(session.GetLink(), image, reporter);
      outcome != ServiceOutcome::kDone) {
    return session.ExitCode(ServiceExit(outcome));
  }
  const auto save = options.find("--save");
  if (save != options.end() &&
      calib::SaveEEImage(save->second, image, reporter) != calib::FileOutcome::kDone) {
    return kExitFileError;
  }
  return kExitSuccess;
}

int RunTables(const Invocation& invocation) {
  const auto parsed = DeviceCommandOptions(invocation, {});
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(*reason);

  const QtCore qt;
  ConsoleReporter reporter;
  DeviceSession session(invocation.options, reporter);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  EEImage image{};
  return session.ExitCode(ServiceExit(ReadTablesImage(session.GetLink(), image, reporter)));
}

int RunMonitor(const Invocation& invocation) {
  const auto parsed = DeviceCommandOptions(invocation, {"--count", "--interval"});
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return UsageError(*reason);
  const auto& options = std::get<NamedOptions>(parsed);
  const auto count = CountOption(options, "--count", 1, 1);
  if (!count)
    return UsageError("invalid value '" + options.at("--count") + "' for --count");
  const auto interval = CountOption(options, "--interval", kDefaultIntervalMs, 0);
  if (!interval)
    return UsageError("invalid value '" + options.at("--interval") + "' for --interval");

  const QtCore qt;
  ConsoleReporter reporter;
  DeviceSession session(invocation.options, reporter);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  // The monitor lines print whatever the trace switches say; the window gates them.
  TraceFlags shown;
  shown.Set(fCnftoMemo, true);
  MonitorValues values{};
  for (int cycle = 0; cycle < *count; ++cycle) {
    if (cycle > 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(*interval));
    const auto outcome = PollMonitor(session.GetLink(), values, MonitorSet::kFull, shown, reporter);
    if (outcome != ServiceOutcome::kDone)
      return session.ExitCode(ServiceExit(outcome));
  }
  return kExitSuccess;
}

}  // namespace zelto::cli
