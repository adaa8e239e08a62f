#pragma once

#include "check/check_plan.h"
#include "instruments/command_template.h"

#include <optional>
#include <string>

namespace zelto::check {

// The first field of the calibrator's command ("{mv}") that some point of the plan has no value
// for: a check with it would stop half-way, so it is refused before anything is applied. With
// the unit's cold-junction compensation on, a thermocouple has its temperature only.
std::optional<std::string> MissingCalibratorField(const instruments::CommandTemplate& command,
                                                  const CheckPlan& plan, bool coldJunction);

}  // namespace zelto::check
