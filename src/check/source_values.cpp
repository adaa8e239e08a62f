#include "check/source_values.h"

namespace zelto::check {

instruments::SourceValues SourceValuesOf(const CheckPoint& point) {
  instruments::SourceValues values;
  if (point.temperatureRange)
    values.celsius = point.temperature;
  switch (point.signalUnit) {
    case SignalUnit::kOhm:
      values.ohms = point.signal;
      break;
    case SignalUnit::kMillivolt:
      values.millivolts = point.signal;
      break;
    case SignalUnit::kMilliampere:
      values.milliamperes = point.signal;
      break;
  }
  return values;
}

}  // namespace zelto::check
