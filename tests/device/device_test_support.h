#pragma once

#include "config/config_record.h"
#include "config/config_view.h"
#include "config/field_assignment.h"
#include "config/sensor_selection.h"
#include "link_test_support.h"

namespace zelto::testing {

// A record as the window leaves it after choosing the model, the sensor and, on Velmor-7, the
// output range (SetOutCurrent's position).
inline config::ConfigRecord Configured(int model, int sensor, int outputRange = 2) {
  config::ConfigRecord record;
  config::SilentConfigView view;
  config::SetDeviceOrSensor(record, config::Selection::kDevice, model, outputRange, view);
  config::SetDeviceOrSensor(record, config::Selection::kSensor, sensor, outputRange, view);
  return record;
}

// The range as the user types it into RangeMin and RangeMax.
inline void SetRange(config::ConfigRecord& record, int low, int high, int outputRange = 2) {
  config::SilentConfigView view;
  config::AssignField(record, config::kQuantityRangeMin, static_cast<float>(low), outputRange,
                      view);
  config::AssignField(record, config::kQuantityRangeMax, static_cast<float>(high), outputRange,
                      view);
}

}  // namespace zelto::testing
