#pragma once

#include "cli/cli_options.h"
#include "cli/output.h"
#include "keep/device_backup.h"

namespace zelto::cli {

// backups: the backups kept, newest first, one a line: id, time, model, operation and the first
// summary line, tab-separated.
int RunBackups(const Invocation& invocation, Output& output);

// restore [ID] [--force]: writes a backup back (the newest one the device can be undone to when
// no id is given), then reads the summary as the read command does. One port only.
int RunRestore(const Invocation& invocation, Output& output);

// The exit code of a write that its backup stopped: 3 for silence or replies that never added
// up, 6 for a port that went away, 5 for a backup file that could not be written.
int BackupExitCode(keep::BackupFailure failure);

}  // namespace zelto::cli
