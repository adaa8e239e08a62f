#pragma once

#include "config/config_view.h"
#include "link/reporter.h"
#include "link/trace_flags.h"

namespace zelto::app {

struct ZeltoForm;

// Shows the configuration in the window after the core has changed it: the sensor-dependent
// controls, the eight value fields, the nominal currents and the calculator's answer.
class WindowConfigView final : public config::ConfigView {
 public:
  WindowConfigView(const ZeltoForm& form, const config::ConfigRecord& record,
                   const TraceFlags& traceFlags, Reporter& memo)
      : form_(form), record_(record), traceFlags_(traceFlags), memo_(memo) {}

  void ApplySensorView(int sensorCode) override;
  void RefreshValueFields() override;
  void ShowNominalCurrents(std::string_view curZero, std::string_view curFull) override;
  void ShowCalculatorValue(int quantityCode, float value) override;
  // In the memo while the service switch "F" is down.
  void DumpConfig(const config::ConfigRecord& record) override;

 private:
  const ZeltoForm& form_;
  const config::ConfigRecord& record_;
  const TraceFlags& traceFlags_;
  Reporter& memo_;
};

}  // namespace zelto::app
