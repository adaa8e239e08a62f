#include "config/range_scale.h"

#include "config/table_evaluation.h"

#include <limits>

namespace zelto::config {
namespace {

constexpr float kCurrentLow = 4.0f;
constexpr float kCurrentSpan = 16.0f;
constexpr float kPerMilliampere = 0.0625f;  // 1 / 16

float Low(const ConfigRecord& record) {
  return static_cast<float>(record.RngMin);
}

float Span(const ConfigRecord& record) {
  return static_cast<float>(record.RngMax) - static_cast<float>(record.RngMin);
}

// Equal range ends (a record loaded from a file) leave nothing to divide by; NaN makes the
// correction refuse instead.
float PerRange(const ConfigRecord& record, float amount) {
  const float span = Span(record);
  return span != 0.0f ? amount / span : std::numeric_limits<float>::quiet_NaN();
}

}  // namespace

float TemperatureAtCurrent(const ConfigRecord& record, float current) {
  return (current - kCurrentLow) * kPerMilliampere * Span(record) + Low(record);
}

float CurrentAtTemperature(const ConfigRecord& record, float temperature) {
  return PerRange(record, temperature - Low(record)) * kCurrentSpan + kCurrentLow;
}

float LinearSignalAtTemperature(const ConfigRecord& record, const SensorTable& table,
                                float temperature) {
  const float low = Evaluate(table, Low(record));
  const float high = Evaluate(table, static_cast<float>(record.RngMax));
  return low + PerRange(record, (high - low) * (temperature - Low(record)));
}

float LinearSignalAtCurrent(const ConfigRecord& record, const SensorTable& table, float current) {
  const float low = Evaluate(table, Low(record));
  const float high = Evaluate(table, static_cast<float>(record.RngMax));
  return low + (high - low) * (current - kCurrentLow) * kPerMilliampere;
}

}  // namespace zelto::config
