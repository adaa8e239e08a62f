#pragma once

#include "config/config_record.h"
#include "config/memory_words.h"

namespace zelto::config {

// The first rule a record breaks for a write to the model at position `model` of the device
// list, in the order they are checked. A record the window's own operations produced breaks none;
// one loaded from a file, or edited field by field, may.
enum class RecordFault {
  kNone,
  kDevice,         // Device is not the model written to, or no model at all
  kSensor,         // the model's sensor list has no such code
  kSensorFields,   // Mode, TermoC, Rezist or the limits do not follow from Sensor
  kRange,          // not LimMin <= RngMin < RngMax <= LimMax
  kOutputCurrent,  // not CrnMix < CrtMax
  kSwitches,       // a Velmor-7 switch outside its choices
};

RecordFault CheckRecord(const ConfigRecord& record, int model);

// The Velmor-7 switches the window can set: three wiring schemes, three output ranges.
RecordFault CheckVelmorSwitches(const VelmorSwitches& switches);

// How many sensors the model's list offers (codes 0 .. count - 1); 0 for no model.
int SensorListSize(int model);

}  // namespace zelto::config
