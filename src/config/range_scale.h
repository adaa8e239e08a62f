#pragma once

#include "config/config_record.h"
#include "config/sensor_table.h"

namespace zelto::config {

// The 4-20 mA scale over the measuring range RngMin..RngMax. With equal range ends the
// directions that divide by the range give NaN.
float TemperatureAtCurrent(const ConfigRecord& record, float current);
float CurrentAtTemperature(const ConfigRecord& record, float temperature);

// With the output linear in EMF, the signal is a straight line between F(RngMin) and
// F(RngMax), F a temperature -> signal table.
float LinearSignalAtTemperature(const ConfigRecord& record, const SensorTable& table,
                                float temperature);
float LinearSignalAtCurrent(const ConfigRecord& record, const SensorTable& table, float current);

}  // namespace zelto::config
