#pragma once

#include "keep/backup.h"

#include <QJsonObject>
#include <QJsonValue>

#include <optional>

namespace zelto::keep {

// A unit's identity as the files that name a unit hold it, the backups and the output checks:
// {"firmware": [[104, "…"], [112, "…"]], "calibration": [[32, "…"], …]}, each word's four bytes
// as lower-case hex in wire order.
QJsonObject UnitIdentityJson(const UnitIdentity& unit);

// The identity of a unit of the model, or nothing unless it holds exactly the model's firmware and
// identity calibration words, in that order.
std::optional<UnitIdentity> UnitIdentityFromJson(const QJsonValue& value, int model);

}  // namespace zelto::keep
