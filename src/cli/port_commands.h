#pragma once

#include "cli/cli_options.h"

namespace zelto::cli {

// ports: one line per port, COM<n>, tab, device path, tab, adapter description.
int RunPorts(const Invocation& invocation);

// identify: the identification exchange for the chosen model.
int RunIdentify(const Invocation& invocation);

// Prints the reason of a usage error and returns its exit code.
int UsageError(const std::string& reason);

}  // namespace zelto::cli
