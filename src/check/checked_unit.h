#pragma once

#include "config/stored_configuration.h"
#include "keep/backup.h"
#include "keep/device_backup.h"
#include "link/link.h"
#include "link/reporter.h"

#include <string>
#include <variant>

namespace zelto::check {

// What an output check reads of the identified unit before anything else: who it is and the
// configuration its own words hold, the range correction among it.
struct CheckedUnit {
  std::string firmware;  // "02.04.0017 14.03.2022", as the summary shows version and date
  keep::UnitIdentity identity;
  config::StoredConfiguration stored;
};

// Reads the firmware, identity and configuration words of the model with the checked reads a
// backup trusts (header and checksum, up to three tries), the progress bar following. Stops at
// the first word that cannot be read cleanly and says why, as a backup does.
std::variant<CheckedUnit, keep::BackupFailure> ReadCheckedUnit(Link& link, Reporter& reporter,
                                                               int model);

}  // namespace zelto::check
