#pragma once

#include <optional>

namespace zelto::rig {

// The temperature at which the sensor gives the signal (mV for a thermocouple, W = R/R0 for a
// resistance thermometer), found on the sensor's own temperature -> signal function, so that a
// signal computed from a temperature leads back to that temperature. The configurator's
// signal -> temperature tables are approximations of this within some hundredths of a degree,
// which a simulated unit has no business adding to the error it is given. Where two temperatures
// give the signal (the pieces of the function need not meet at a knot), the one nearer that
// table's; outside the function's knots, that table's own. Nothing for a code without
// conversion tables.
std::optional<double> TemperatureOfSignal(int sensorCode, double signal);

}  // namespace zelto::rig
