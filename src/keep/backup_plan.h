#pragma once

#include "keep/backup.h"

#include <optional>
#include <string>

namespace zelto::keep {

// Why a backup would make a restore write what its operation never writes, or nothing when it
// would not. A backup may name only the words the operation's WritePlan gives on the backup's
// model, once each, in the plan's order, and only that operation's closing action. The plan of a
// configuration write follows the configuration the state word of `after` describes (the table
// sizes go with the sensor and the linear flag); a backup of a --changed-only write may hold any
// part of the plan, in its order; a restore's backup may hold the plan of any operation, the
// configuration taken from its `before` or its `after`. Backups are files a user may edit or
// copy in from another machine: a restore takes none on trust.
std::optional<std::string> BackupPlanFault(const Backup& backup);

}  // namespace zelto::keep
