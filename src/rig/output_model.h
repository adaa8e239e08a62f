#pragma once

#include "config/stored_configuration.h"
#include "rig/unit_error.h"
#include "sim/bench_loop.h"
#include "sim/transmitter.h"

#include <optional>

namespace zelto::rig {

// What the calibrator applies to the input, as its SCPI command gave it: °C, Ω, V or A.
struct AppliedInput {
  sim::SourceQuantity quantity = sim::SourceQuantity::kTemperature;
  double value = 0.0;
};

// Whether the sensor's input takes the quantity: a temperature or a resistance for a resistance
// thermometer, a temperature or a voltage for a thermocouple, the input's own quantity for the
// voltage, current and resistance inputs.
bool TakesQuantity(int sensorCode, sim::SourceQuantity quantity);

// The loop current, mA, of a transmitter of the model that holds `stored`, with the input applied
// (none: the input open). The unit perceives its own error's signal, applies the correction it
// holds (Au x (s + Bu/10000), s in mV or W), converts back to a temperature by the sensor's
// function (or places the EMF itself with the linear flag), maps that onto its range and output,
// and clamps: 3.8..20.5 mA on 4-20, 0..20.5 on 0-20, 0..5.125 on 0-5. An unconfigured unit, or an
// input that does not fit it, drives the lowest current. Velmor-7's square-root and sensor-break
// switches are not modelled: the output stays linear.
double OutputCurrent(int model, const config::StoredConfiguration& stored,
                     const std::optional<AppliedInput>& input, const UnitError& error);

// The configuration of a simulated unit's memory, as the device reads its own words.
std::optional<config::StoredConfiguration> StoredInMemory(int model,
                                                          const sim::MemoryImage& memory);

}  // namespace zelto::rig
