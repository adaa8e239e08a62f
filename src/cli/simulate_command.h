#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"

namespace zelto::cli {

// simulate [--model M] [--memory FILE] [--pace] [--count N] [--bench [--tcp] [--unit-error G,O]]:
// the transmitter simulator, or N of them, each on a pseudo-terminal of its own, or one with a
// SCPI current meter and calibrator wired to it, until SIGINT or SIGTERM.
int RunSimulate(const Invocation& invocation, Output& output);

}  // namespace zelto::cli
