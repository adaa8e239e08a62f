#pragma once

#include "cli/cli_options.h"
#include "cli/console_reporter.h"
#include "cli/device_session.h"
#include "cli/exit_codes.h"
#include "cli/output.h"
#include "cli/port_runs.h"
#include "config/device_outcome.h"
#include "config/write_plan.h"
#include "keep/write_verification.h"
#include "link/link.h"

#include <functional>

namespace zelto::cli {

// The exit code of a configuration read or write that ran against the identified device.
int ExitCodeFor(config::DeviceOutcome outcome);

// The operation against the device of the run, once it is identified: the session's exit code
// of it (the port error when the port went away meanwhile), or what the identification ended
// with.
template <class Operation>
int WithDevice(const PortRun& run, ConsoleReporter& reporter, Operation operation) {
  DeviceSession session(run.options, reporter, run.output);
  if (const int connected = session.Connect(); connected != kExitSuccess)
    return connected;
  return session.ExitCode(operation(session));
}

// A write to the connected device behind the backup that guards it (none with --no-backup); a
// backup that stopped the write gives the exit code of what stopped it. With --verify, a write
// that ended well is read back and compared (CheckWrite). The result says the write's status,
// the backup's id and whether it was verified.
using GuardedOperation = std::function<config::DeviceOutcome(Link&, config::WriteGuard&)>;
int GuardedWrite(const PortRun& run, DeviceSession& session, Reporter& reporter,
                 const GuardedOperation& operation);

// The result of a write that ended as `exitCode` with the status shown last: the status and the
// backup's id (null without one); with --verify and an exit code of 0, then the check of
// `verification`, whose exit code it returns. A check that found a word otherwise names each on
// standard error and exits 3.
int RecordWrite(const PortRun& run, int exitCode, const std::string& status,
                const std::string& backupId,
                const std::function<keep::Verification()>& verification);

// read: the configuration summary, as the window's memo shows it.
int RunRead(const Invocation& invocation, Output& output);

// write: selects the sensor, applies range and output as the window's fields do, and writes
// the configuration.
int RunWrite(const Invocation& invocation, Output& output);

// correct: the two-point range correction of the table-loading models.
int RunCorrect(const Invocation& invocation, Output& output);

// reset-correction: back to no correction (table-loading models).
int RunResetCorrection(const Invocation& invocation, Output& output);

}  // namespace zelto::cli
