#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"

namespace zelto::cli {

// monitor [--count N] [--interval MS] [--csv]: N monitor polls, MS apart, each printing its
// block of monitor lines, or with --csv a header and one comma-separated line per cycle, or with
// --json an object per cycle. --count 0 polls until SIGINT or SIGTERM, through silence, and then
// exits 0. On several ports each port polls at its own pace.
int RunMonitor(const Invocation& invocation, Output& output);

}  // namespace zelto::cli
