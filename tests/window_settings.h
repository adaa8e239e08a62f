#pragma once

#include "config/config_view.h"
#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "config/sensor_selection.h"
#include "config/write_settings.h"

#include <string>

namespace zelto::testing {

// One configuration as a user sets it up in the window, and a name to report it by.
struct WindowChoices {
  std::string name;
  int model = 2;
  int sensor = 0;
  int low = 0;  // typed into RangeMin and RangeMax
  int high = 0;
  bool lineFunc = false;
  config::VelmorSwitches switches{false, 0, false, config::kOutput4To20, false};
};

// What the window holds after those choices, made through its own handlers' operations: the
// model, the sensor, the output range's two current fields, the two range fields.
inline config::WriteSettings WindowSettings(const WindowChoices& choices) {
  config::SilentConfigView view;
  config::WriteSettings settings;
  config::ConfigRecord& record = settings.record;
  const int output = choices.switches.outputRange;
  config::SetDeviceOrSensor(record, config::Selection::kDevice, choices.model, output, view);
  config::SetDeviceOrSensor(record, config::Selection::kSensor, choices.sensor, output, view);
  if (const auto currents = config::OutputCurrentRange(output);
      currents && choices.model == config::kDeviceVelmor7) {
    config::AssignField(record, config::kQuantityCurrentMin, static_cast<float>(currents->low),
                        output, view);
    config::AssignField(record, config::kQuantityCurrentMax, static_cast<float>(currents->high),
                        output, view);
  }
  config::AssignField(record, config::kQuantityRangeMin, static_cast<float>(choices.low), output,
                      view);
  config::AssignField(record, config::kQuantityRangeMax, static_cast<float>(choices.high), output,
                      view);
  settings.lineFunc = choices.lineFunc;
  settings.switches = choices.switches;
  return settings;
}

// A configuration of each kind the models take: linear from EMF and from temperature, the
// blank table-loading model, Velmor-7 with each output range, its switches and signal inputs.
inline const std::vector<WindowChoices>& SampleChoices() {
  static const std::vector<WindowChoices> choices{
      {"Dastra-2 K linear from EMF", 1, 11, -50, 600, true},
      {"Dastra-2 S", 1, 12, 0, 1700},
      {"blank model Pt100", 0, 8, -50, 400},
      {"Velmor-7 0..320 Ohm three-wire", 2, 20, 10, 300, false, {false, 1, true, 1, false}},
      {"Velmor-7 J linear, cold junction", 2, 9, 0, 800, true, {true, 0, false, 0, true}},
      {"Velmor-7 4..20 mA input", 2, 19, 4, 20, false, {false, 0, true, 2, true}},
  };
  return choices;
}

}  // namespace zelto::testing
