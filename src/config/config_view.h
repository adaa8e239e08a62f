#pragma once

#include "config/config_record.h"

#include <string_view>

namespace zelto::config {

// What the configuration operations ask of the window after they have changed the record.
// The window implements it; the core never reads a control.
class ConfigView {
 public:
  virtual ~ConfigView() = default;

  // Offers the wiring, linear-from-EMF and cold-junction controls that fit the sensor and
  // names the range column; called after the sensor's tables and range are set.
  virtual void ApplySensorView(int sensorCode) = 0;
  // Rewrites the eight range, current and correction fields from the record.
  virtual void RefreshValueFields() = 0;
  // The nominal currents at T1 and T2 for SetCurentZero and SetCurentFull, already formatted.
  virtual void ShowNominalCurrents(std::string_view curZero, std::string_view curFull) = 0;
  // The polynomial calculator's answer for the other field of the pair: quantity code 12
  // (RezCalc) after a temperature was accepted, 11 (SetTemp) after a signal was.
  virtual void ShowCalculatorValue(int quantityCode, float value) = 0;
  // The configuration dump; shows something only while its trace switch is on.
  virtual void DumpConfig(const ConfigRecord& record) = 0;
};

// For callers that want no window updates (the command-line tool, tests).
class SilentConfigView final : public ConfigView {
 public:
  void ApplySensorView(int) override {}
  void RefreshValueFields() override {}
  void ShowNominalCurrents(std::string_view, std::string_view) override {}
  void ShowCalculatorValue(int, float) override {}
  void DumpConfig(const ConfigRecord&) override {}
};

}  // namespace zelto::config
