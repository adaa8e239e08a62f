#pragma once

#include "config/config_record.h"

namespace zelto::config {

// Sets DevRngMin and DevRngMax, the range ends as the device takes them, just before a
// configuration write: the range ends themselves, or with the output linear in EMF the
// signal at each end in tenths (of a mV for a thermocouple, of W for a resistance
// thermometer). Without a sensor chosen (Mode 0) there is no signal table, and the range ends
// are written as they are. Returns false, changing nothing, if a signal has no finite value.
bool ComputeDeviceRangeWords(ConfigRecord& record, bool lineFunc);

}  // namespace zelto::config
