#include "config/correction.h"

#include "config/conversion_tables.h"
#include "config/range_scale.h"
#include "config/sensor_catalogue.h"
#include "config/table_evaluation.h"
#include "config/trace_lines.h"

#include <cmath>
#include <limits>

namespace zelto::config {
namespace {

constexpr float kOffsetScale = 10000.0f;
constexpr float kTraceSignalScale = 0.001f;

const SensorTable& SignalTable(const ConfigRecord& record) {
  return record.Mode == kModeEmf ? TemperatureToEmfTable(record.TermoC)
                                 : TemperatureToRatioTable(record.Rezist);
}

}  // namespace

Correction ComputeCorrection(ConfigRecord& record, bool lineFunc) {
  const SensorTable& table = SignalTable(record);
  Correction result;
  auto& s = result.signals;
  if (lineFunc) {
    s[0] = LinearSignalAtTemperature(record, table, record.TmpZero);
    s[1] = LinearSignalAtCurrent(record, table, record.Zero);
    s[2] = LinearSignalAtTemperature(record, table, record.TmpFull);
    s[3] = LinearSignalAtCurrent(record, table, record.Full);
  } else {
    s[0] = Evaluate(table, record.TmpZero);
    s[1] = Evaluate(table, TemperatureAtCurrent(record, record.Zero));
    s[2] = Evaluate(table, record.TmpFull);
    s[3] = Evaluate(table, TemperatureAtCurrent(record, record.Full));
  }
  result.currents = {CurrentAtTemperature(record, record.TmpZero), record.Zero,
                     CurrentAtTemperature(record, record.TmpFull), record.Full};
  // Equal perceived signals leave the gain undefined; points this close cannot be corrected.
  if (s[3] == s[1]) {
    result.Au = result.Bu = std::numeric_limits<float>::quiet_NaN();
    result.refusal = kCorrectionSameSignalsText;
    return result;
  }
  result.Au = (s[2] - s[0]) / (s[3] - s[1]);
  // A zero gain (equal applied signals) would make the output constant, and has no offset.
  const bool usableGain = std::isfinite(result.Au) && result.Au != 0.0f;
  result.Bu = usableGain ? (s[2] / result.Au - s[3]) * kOffsetScale
                         : std::numeric_limits<float>::quiet_NaN();
  if (!usableGain || !std::isfinite(result.Bu)) {
    result.refusal = kCorrectionNotFiniteText;
  } else {
    result.computed = true;
    record.Au = result.Au;
    record.Bu = result.Bu;
  }
  return result;
}

std::vector<std::string> CorrectionTraceLines(const Correction& correction) {
  std::array<float, 4> scaled{};
  for (std::size_t i = 0; i < scaled.size(); ++i) {
    scaled[i] = correction.signals[i] * kTraceSignalScale;
  }
  return {ArgumentsTraceLine(correction.currents), ResultsTraceLine(scaled),
          CorrectionTraceLine(correction.Au, correction.Bu)};
}

}  // namespace zelto::config
