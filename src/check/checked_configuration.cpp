#include "check/checked_configuration.h"

#include "config/sensor_catalogue.h"
#include "config/sensor_conversion.h"
#include "config/summary_lines.h"

namespace zelto::check {

std::variant<CheckedConfiguration, Refusal> DescribeChecked(
    int model, const config::StoredConfiguration& stored) {
  if (!config::IsTableLoadingDevice(model) && model != config::kDeviceVelmor7)
    return Refusal::kUnknownModel;
  if (!stored.configured)
    return Refusal::kNotConfigured;
  if (!config::LookupSensor(stored.sensor))
    return Refusal::kUnknownSensor;

  CheckedConfiguration c;
  c.model = model;
  c.sensor = stored.sensor;
  c.devRangeMin = stored.devRngMin;
  c.devRangeMax = stored.devRngMax;
  c.rangeMin = stored.devRngMin;
  c.rangeMax = stored.devRngMax;
  c.linearEmf = stored.linearEmf;
  c.currentWords = {stored.crnMix, stored.crtMax};
  c.outputRange = stored.outputRange.value_or(config::kOutput4To20);
  c.coldJunction = stored.coldJunction;
  c.squareRoot = stored.squareRoot;
  if (c.linearEmf) {
    if (!config::HasConversion(c.sensor))
      return Refusal::kLinearWithoutTables;
    // The temperatures the range words stand for, as the unit's summary shows them.
    const auto low = config::StoredEndTemperature(c.sensor, c.devRangeMin);
    const auto high = config::StoredEndTemperature(c.sensor, c.devRangeMax);
    if (!low || !high)
      return Refusal::kEmptyRange;
    c.rangeMin = *low;
    c.rangeMax = *high;
  }
  return c;
}

}  // namespace zelto::check
