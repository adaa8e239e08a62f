#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"

namespace zelto::cli {

// calib show|read|write|clear|clear-full [--load FILE] [--save FILE]: the calibration block,
// loaded from a file before the operation and saved after it (.bin or .txt by the ending).
int RunCalib(const Invocation& invocation, Output& output);

}  // namespace zelto::cli
