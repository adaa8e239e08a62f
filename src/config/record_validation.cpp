#include "config/record_validation.h"

#include "config/nominal_currents.h"
#include "config/sensor_catalogue.h"

namespace zelto::config {
namespace {

constexpr int kSchemeCount = 3;

bool FollowsFromSensor(const ConfigRecord& record, const SensorInfo& sensor) {
  return record.Mode == sensor.Mode && record.TermoC == sensor.TermoC &&
         record.Rezist == sensor.Rezist && record.LimMin == sensor.LimMin &&
         record.LimMax == sensor.LimMax;
}

}  // namespace

int SensorListSize(int model) {
  if (IsTableLoadingDevice(model))
    return kFirstSignalInput;
  return model == kDeviceVelmor7 ? kSensorCount : 0;
}

RecordFault CheckRecord(const ConfigRecord& record, int model) {
  if (SensorListSize(model) == 0 || record.Device != model)
    return RecordFault::kDevice;
  if (record.Sensor >= SensorListSize(model))
    return RecordFault::kSensor;
  const auto sensor = LookupSensor(record.Sensor);
  if (!sensor || !FollowsFromSensor(record, *sensor))
    return RecordFault::kSensorFields;
  if (record.RngMin < record.LimMin || record.RngMin >= record.RngMax ||
      record.RngMax > record.LimMax) {
    return RecordFault::kRange;
  }
  if (record.CrnMix >= record.CrtMax)
    return RecordFault::kOutputCurrent;
  return RecordFault::kNone;
}

RecordFault CheckVelmorSwitches(const VelmorSwitches& switches) {
  if (switches.scheme < 0 || switches.scheme >= kSchemeCount ||
      !OutputCurrentRange(switches.outputRange)) {
    return RecordFault::kSwitches;
  }
  return RecordFault::kNone;
}

}  // namespace zelto::config
