#pragma once

#include "cli/cli_options.h"

namespace zelto::cli {

// simulate [--model M] [--memory FILE] [--pace]: the transmitter simulator on a
// pseudo-terminal until SIGINT or SIGTERM.
int RunSimulate(const Invocation& invocation);

}  // namespace zelto::cli
