#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"

namespace zelto::cli {

// ports: one line per port, COM<n>, tab, device path, tab, adapter description.
int RunPorts(const Invocation& invocation, Output& output);

// identify: the identification exchange for the chosen model; with --json, then the firmware
// words for the object.
int RunIdentify(const Invocation& invocation, Output& output);

}  // namespace zelto::cli
