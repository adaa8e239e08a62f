#pragma once

#include "cli/cli_options.h"
#include "cli/trace_console.h"
#include "keep/device_backup.h"
#include "link/link.h"
#include "link/memo_trace.h"
#include "link/trace_flags.h"

#include <optional>
#include <string>

namespace zelto::cli {

// The link as a command uses it on one port: the one of --port or --com at the --baud rate, with
// the read time-outs scaled by --timeout-scale. With --trace every trace switch is on, and the
// frame lines go to standard error from the first request on. Lives and dies on the thread that
// uses it, with its port.
class DeviceSession {
 public:
  // `options` name exactly one port.
  DeviceSession(const GlobalOptions& options, Reporter& reporter, Output& output);

  // Opens the port and identifies the transmitter of the --model; kExitSuccess, or the exit
  // code that says what failed.
  int Connect();
  Link& GetLink() { return link_; }
  // The device path of the port, as a user names it: /dev/ttyUSB0 for --port ttyUSB0.
  std::string PortPath() const;
  // What the backups of a writing command are told: --no-backup, --changed-only, the model and
  // the port.
  keep::BackupSettings Backups() const;
  // The exit code of a command that ran on the link: the port error when the port went away
  // meanwhile, whatever the operation made of the silence that followed.
  int ExitCode(int operationExit) const;

  // The window's trace switches as --trace sets them, and where their lines go.
  const TraceFlags& Trace() const { return traceFlags_; }
  Reporter& TraceMemo() { return traceMemo_; }

 private:
  const GlobalOptions& options_;
  TraceFlags traceFlags_;
  TraceConsole traceMemo_;
  MemoTrace trace_{traceFlags_, traceMemo_};
  NoConnectionView view_;
  Link link_;
  int portNumber_ = 0;
};

// Why a command that needs a device cannot have one, if so.
std::optional<std::string> MissingDevice(const GlobalOptions& options);

// The device path of a port as a user names it: /dev/ttyUSB0 for ttyUSB0, as Qt Serial Port
// takes a bare name for a device under /dev.
std::string DevicePath(const std::string& port);

}  // namespace zelto::cli
