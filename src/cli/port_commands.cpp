#include "cli/port_commands.h"

#include "cli/console_reporter.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/qt_core.h"
#include "link/port_number.h"

#include <cstdio>

namespace zelto::cli {
namespace {

std::optional<std::string> UnexpectedArguments(const Invocation& invocation) {
  if (invocation.arguments.empty())
    return std::nullopt;
  return "unexpected argument '" + invocation.arguments.front() + "' for " + invocation.command;
}

}  // namespace

int UsageError(const std::string& reason) {
  std::fprintf(stderr, "zelto-cli: %s\n", reason.c_str());
  return kExitUsage;
}

int RunPorts(const Invocation& invocation) {
  if (const auto reason = UnexpectedArguments(invocation))
    return UsageError(*reason);
  const QtCore qt;
  SilentReporter reporter;
  NoConnectionView view;
  Link link(reporter, view);
  link.ListPorts();
  if (invocation.options.portPath)
    link.Ports().Add(*invocation.options.portPath, "");
  for (const PortEntry& port : link.Ports().Listed()) {
    std::printf("%s\t%s\t%s\n", PortLabel(port.number).c_str(), port.path.c_str(),
                port.description.c_str());
  }
  return kExitSuccess;
}

int RunIdentify(const Invocation& invocation) {
  if (const auto reason = UnexpectedArguments(invocation))
    return UsageError(*reason);
  if (const auto reason = MissingDevice(invocation.options))
    return UsageError(*reason);
  const QtCore qt;
  ConsoleReporter reporter;
  DeviceSession session(invocation.options, reporter);
  return session.Connect();
}

}  // namespace zelto::cli
