#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"

namespace zelto::cli {

// write --profile FILE: the profile's configuration, through the same validated assignments as
// write --sensor. A value they refuse is exit 2 before anything is sent; a file that holds no
// profile is exit 5.
int RunWriteProfile(const Invocation& invocation, Output& output);

// read --save-profile FILE: the summary, then what the device holds as a profile. A device whose
// words a profile cannot give back saves nothing, says why and exits 5.
int RunReadSavingProfile(const Invocation& invocation, Output& output);

// diff --profile FILE: one line per setting a write of the profile would change, "field: device →
// profile"; exit 0 when none, 7 when some.
int RunDiff(const Invocation& invocation, Output& output);

}  // namespace zelto::cli
