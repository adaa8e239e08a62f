#include "config/sensor_selection.h"

#include "config/nominal_currents.h"
#include "config/sensor_catalogue.h"

#include <limits>

namespace zelto::config {
namespace {

constexpr float kInitialTmpZero = 0.0f;
constexpr float kInitialTmpFull = 100.0f;

}  // namespace

void SelectSensor(ConfigRecord& record, int outputRange, ConfigView& view) {
  const auto sensor = LookupSensor(record.Sensor);
  if (!sensor)
    return;
  record.TermoC = sensor->TermoC;
  record.Rezist = sensor->Rezist;
  record.Mode = sensor->Mode;
  record.RngMin = record.LimMin = sensor->LimMin;
  record.RngMax = record.LimMax = sensor->LimMax;
  view.ApplySensorView(record.Sensor);
  record.TmpZero = kInitialTmpZero;
  record.TmpFull = kInitialTmpFull;
  ComputeNominalCurrents(record, true, outputRange, view);
  view.RefreshValueFields();
  view.DumpConfig(record);
}

bool SetDeviceOrSensor(ConfigRecord& record, Selection selection, int code, int outputRange,
                       ConfigView& view) {
  if (selection == Selection::kSensor) {
    if (code < 0 || code >= kSensorCount)
      return false;
    record.Sensor = static_cast<uint8_t>(code);
  } else {
    if (code < 0 || code > std::numeric_limits<uint8_t>::max())
      return false;
    record.Device = static_cast<uint8_t>(code);
  }
  SelectSensor(record, outputRange, view);
  view.DumpConfig(record);
  return true;
}

}  // namespace zelto::config
