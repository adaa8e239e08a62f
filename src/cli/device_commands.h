#pragma once

#include "cli/cli_options.h"
#include "cli/device_session.h"
#include "config/device_outcome.h"
#include "config/write_plan.h"
#include "link/link.h"
#include "link/reporter.h"

#include <functional>

namespace zelto::cli {

// The exit code of a configuration read or write that ran against the identified device.
int ExitCodeFor(config::DeviceOutcome outcome);

// A write to the connected device behind the backup that guards it (none with --no-backup); a
// backup that stopped the write gives the exit code of what stopped it.
using GuardedOperation = std::function<config::DeviceOutcome(Link&, config::WriteGuard&)>;
int GuardedWrite(DeviceSession& session, Reporter& reporter, const GuardedOperation& operation);

// read: the configuration summary, as the window's memo shows it.
int RunRead(const Invocation& invocation);

// write: selects the sensor, applies range and output as the window's fields do, and writes
// the configuration.
int RunWrite(const Invocation& invocation);

// correct: the two-point range correction of the table-loading models.
int RunCorrect(const Invocation& invocation);

// reset-correction: back to no correction (table-loading models).
int RunResetCorrection(const Invocation& invocation);

}  // namespace zelto::cli
