#include "config/device_range.h"

#include "config/conversion_tables.h"
#include "config/real_conversion.h"
#include "config/sensor_catalogue.h"
#include "config/table_evaluation.h"

namespace zelto::config {
namespace {

constexpr float kTenthsPerUnit = 10.0f;

}  // namespace

bool ComputeDeviceRangeWords(ConfigRecord& record, bool lineFunc) {
  const bool hasSignalTable = record.Mode == kModeEmf || record.Mode == kModeResistance;
  if (!lineFunc || !hasSignalTable) {
    record.DevRngMin = record.RngMin;
    record.DevRngMax = record.RngMax;
    return true;
  }
  const SensorTable& table = record.Mode == kModeEmf ? TemperatureToEmfTable(record.TermoC)
                                                     : TemperatureToRatioTable(record.Rezist);
  const auto low =
      TruncateToInt32(Evaluate(table, static_cast<float>(record.RngMin)) * kTenthsPerUnit);
  const auto high =
      TruncateToInt32(Evaluate(table, static_cast<float>(record.RngMax)) * kTenthsPerUnit);
  if (!low || !high)
    return false;
  record.DevRngMin = *low;
  record.DevRngMax = *high;
  return true;
}

}  // namespace zelto::config
