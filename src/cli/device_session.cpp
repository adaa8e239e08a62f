#include "cli/device_session.h"

#include "cli/exit_codes.h"
#include "cli/trace_config_view.h"
#include "link/status_translation.h"
#include "link/translatable.h"

namespace zelto::cli {

DeviceSession::DeviceSession(const GlobalOptions& options, Reporter& reporter, Output& output)
    : options_(options),
      traceMemo_(output),
      link_(reporter, view_, LinkTimeouts{}.Scaled(options.timeoutScale)) {
  link_.SetPortScanner(options.scanPorts);
  link_.SelectSpeed(options.baud);
  traceFlags_ = TraceFlagsFor(options);
  if (options.trace)
    link_.SetTrace(&trace_);
}

int DeviceSession::Connect() {
  link_.ListPorts();
  portNumber_ = !options_.portPaths.empty() ? link_.Ports().Add(options_.portPaths.front(), "")
                                            : options_.comNumbers.front();
  const bool opened = link_.SelectPort(portNumber_);
  // As the window's port button does: the port events kept by the trace show now.
  link_.FlushTraceRing();
  if (!opened)
    return kExitPortError;
  switch (link_.ConnectDevice(options_.model)) {
    case IdentifyOutcome::kMatched:
      return kExitSuccess;
    case IdentifyOutcome::kNoAnswer:
      return kExitNoAnswer;
    case IdentifyOutcome::kWrongModel:
    case IdentifyOutcome::kBadReply:
      return kExitIdentifyFailed;
    case IdentifyOutcome::kPortClosed:
      break;
  }
  return kExitPortError;
}

std::string DeviceSession::PortPath() const {
  return DevicePath(link_.Ports().PathOf(portNumber_));
}

keep::BackupSettings DeviceSession::Backups() const {
  keep::BackupSettings settings;
  settings.enabled = options_.backup;
  settings.changedOnly = options_.changedOnly;
  settings.model = options_.model;
  settings.port = PortPath();
  return settings;
}

int DeviceSession::ExitCode(int operationExit) const {
  return link_.PortWentAway() ? kExitPortError : operationExit;
}

std::optional<std::string> MissingDevice(const GlobalOptions& options) {
  if (!options.portPaths.empty() || !options.comNumbers.empty())
    return std::nullopt;
  return ToolText(
      QT_TRANSLATE_NOOP("cli", "команде нужен прибор: укажите --port ПУТЬ или --com N"));
}

std::string DevicePath(const std::string& port) {
  return port.find('/') == std::string::npos ? "/dev/" + port : port;
}

}  // namespace zelto::cli
