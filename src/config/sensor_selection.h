#pragma once

#include "config/config_record.h"
#include "config/config_view.h"

namespace zelto::config {

// Derives the sensor fields and the full measuring range from the record's Sensor, resets
// T1 and T2 to 0 and 100, recomputes the nominal currents with take-over and refreshes the
// window. outputRange is the SetOutCurrent position, which scales Velmor-7's currents.
void SelectSensor(ConfigRecord& record, int outputRange, ConfigView& view);

enum class Selection { kDevice = 0, kSensor = 1 };

// Stores the device or sensor code, selects the sensor and dumps the record. Refuses, and
// changes nothing, a sensor code outside 0..20 or a device code outside 0..255.
bool SetDeviceOrSensor(ConfigRecord& record, Selection selection, int code, int outputRange,
                       ConfigView& view);

}  // namespace zelto::config
