#pragma once

#include "config/config_view.h"
#include "config/nominal_currents.h"
#include "config/sensor_selection.h"

#include <string>
#include <vector>

namespace zelto::config::testing {

// Keeps what the operations asked of the window, in order.
class RecordingView final : public ConfigView {
 public:
  void ApplySensorView(int sensorCode) override {
    calls.push_back("ApplySensorView " + std::to_string(sensorCode));
  }
  void RefreshValueFields() override { calls.push_back("RefreshValueFields"); }
  void ShowNominalCurrents(std::string_view curZero, std::string_view curFull) override {
    calls.push_back("ShowNominalCurrents " + std::string(curZero) + " " + std::string(curFull));
  }
  void ShowCalculatorValue(int quantityCode, float value) override {
    calculatorCode = quantityCode;
    calculatorValue = value;
    calls.push_back("ShowCalculatorValue");
  }
  void DumpConfig(const ConfigRecord&) override { calls.push_back("DumpConfig"); }

  std::vector<std::string> calls;
  int calculatorCode = 0;
  float calculatorValue = 0;
};

// A record with the device and then the sensor chosen, as the window's lists choose them.
inline ConfigRecord Selected(int device, int sensor) {
  ConfigRecord record;
  SilentConfigView view;
  SetDeviceOrSensor(record, Selection::kDevice, device, kOutput4To20, view);
  SetDeviceOrSensor(record, Selection::kSensor, sensor, kOutput4To20, view);
  return record;
}

}  // namespace zelto::config::testing
