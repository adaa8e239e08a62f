#pragma once

#include "cli/cli_options.h"

namespace zelto::cli {

// Whether the command's arguments name a profile (--profile FILE).
bool NamesProfile(const Invocation& invocation);

// write --profile FILE: the profile's configuration, through the same validated assignments as
// write --sensor. A value they refuse is exit 2 before anything is sent; a file that holds no
// profile is exit 5.
int RunWriteProfile(const Invocation& invocation);

// read --save-profile FILE: the summary, then what the device holds as a profile. A device whose
// words a profile cannot give back saves nothing, says why and exits 5.
int RunReadSavingProfile(const Invocation& invocation);

// diff --profile FILE: one line per setting a write of the profile would change, "field: device →
// profile"; exit 0 when none, 7 when some.
int RunDiff(const Invocation& invocation);

}  // namespace zelto::cli
