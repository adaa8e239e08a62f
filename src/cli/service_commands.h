#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"
#include "link/service_outcome.h"

namespace zelto::cli {

// memory [--save FILE]: reads the whole configuration memory and prints its dump; --save
// writes the 512-byte image, but only of a complete read.
int RunMemory(const Invocation& invocation, Output& output);

// tables: reads the table area and prints the decoded dump.
int RunTables(const Invocation& invocation, Output& output);

// The exit code of a service read or poll.
int ServiceExit(ServiceOutcome outcome);

}  // namespace zelto::cli
