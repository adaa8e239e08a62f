#pragma once

#include "config/config_view.h"

namespace zelto::app {

struct ZeltoForm;

// Shows the configuration in the window after the core has changed it: the sensor-dependent
// controls, the eight value fields, the nominal currents and the calculator's answer.
class WindowConfigView final : public config::ConfigView {
 public:
  WindowConfigView(const ZeltoForm& form, const config::ConfigRecord& record)
      : form_(form), record_(record) {}

  void ApplySensorView(int sensorCode) override;
  void RefreshValueFields() override;
  void ShowNominalCurrents(std::string_view curZero, std::string_view curFull) override;
  void ShowCalculatorValue(int quantityCode, float value) override;
  // The dump appears only while its service switch is on, and nothing switches it on yet.
  void DumpConfig(const config::ConfigRecord&) override {}

 private:
  const ZeltoForm& form_;
  const config::ConfigRecord& record_;
};

}  // namespace zelto::app
