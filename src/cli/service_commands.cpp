#include "cli/service_commands.h"

#include "calib/ee_image_file.h"
#include "cli/console_reporter.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/named_options.h"
#include "cli/port_commands.h"
#include "cli/qt_core.h"
#include "link/memory_reads.h"

namespace zelto::cli {
namespace {

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

}  // namespace zelto::cli
