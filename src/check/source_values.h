#pragma once

#include "check/check_plan.h"
#include "instruments/source_values.h"

namespace zelto::check {

// What a calibrator's command may take from the point: the temperature for a thermometer or a
// thermocouple (a calibrator that simulates the sensor itself), and the signal in its quantity.
instruments::SourceValues SourceValuesOf(const CheckPoint& point);

}  // namespace zelto::check
