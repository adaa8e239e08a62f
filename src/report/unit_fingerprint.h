#pragma once

#include "keep/backup.h"

#include <QString>

namespace zelto::report {

// A short form of the unit's identity for a printed page: the first eight bytes of the SHA-256
// of its firmware and factory calibration words, in four groups, "3F2A-91BC-07DE-55AA". Two
// reports of the same unit show the same; the words themselves stay in the record.
QString UnitFingerprint(const keep::UnitIdentity& unit);

}  // namespace zelto::report
