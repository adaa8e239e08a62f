#include "config/field_assignment.h"

#include "config/conversion_tables.h"
#include "config/nominal_currents.h"
#include "config/real_conversion.h"
#include "config/sensor_catalogue.h"
#include "config/table_evaluation.h"

#include <cmath>

namespace zelto::config {
namespace {

// A measured current must lie strictly closer than this to the nominal one, in mA.
constexpr double kZeroBand = 0.32;
constexpr double kFullBand = 0.8;
// Typed decimals such as 20,8 are not exact in binary; a difference within this of the band
// counts as reaching it, so the rule holds for the numbers the user sees.
constexpr double kBandTolerance = 1e-5;

bool WithinBand(float measured, float nominal, double band) {
  return std::fabs(static_cast<double>(measured) - static_cast<double>(nominal)) <
         band - kBandTolerance;
}

bool InRange(const ConfigRecord& record, double value) {
  return record.RngMin <= value && value <= record.RngMax;
}

// A range end moving past T1 or T2 takes them along. An end landing exactly on a point leaves
// it where it is, even when T1 and T2 then meet: such a correction is refused when written.
void KeepTemperaturesAfterRangeMin(ConfigRecord& record) {
  if (record.RngMin > record.TmpZero)
    record.TmpZero = static_cast<float>(record.RngMin);
  if (record.RngMin > record.TmpFull)
    record.TmpFull = static_cast<float>(record.RngMax);
}

void KeepTemperaturesAfterRangeMax(ConfigRecord& record) {
  if (record.RngMax < record.TmpZero)
    record.TmpZero = static_cast<float>(record.RngMin);
  if (record.RngMax < record.TmpFull)
    record.TmpFull = static_cast<float>(record.RngMax);
}

// Converts with the selected sensor's thermocouple tables (type K for anything that is not a
// thermocouple) and shows the answer in the other field; returns what this field shows.
float Calculate(const ConfigRecord& record, int quantityCode, float value, ConfigView& view) {
  const auto sensor = LookupSensor(record.Sensor);
  if (!sensor || !std::isfinite(value))
    return 0.0f;
  const bool fromTemperature = quantityCode == kQuantityCalculatorTemperature;
  const SensorTable& table = fromTemperature ? TemperatureToEmfTable(sensor->TermoC)
                                             : EmfToTemperatureTable(sensor->TermoC);
  const float result = Evaluate(table, value);
  if (!std::isfinite(result))
    return 0.0f;
  view.ShowCalculatorValue(
      fromTemperature ? kQuantityCalculatorSignal : kQuantityCalculatorTemperature, result);
  return value;
}

// A change of range or of a correction temperature resets the measured currents to the new
// nominal ones; only the edits of the measured currents make them differ.
bool TakesOver(int quantityCode) {
  return quantityCode == kQuantityRangeMin || quantityCode == kQuantityRangeMax ||
         quantityCode == kQuantityTmpZero || quantityCode == kQuantityTmpFull;
}

// Stores the value if the rules accept it; returns what the field shows.
float Store(ConfigRecord& record, int quantityCode, float value, ConfigView& view) {
  const bool accepted = Accepts(record, quantityCode, value);
  const auto whole = TruncateToInt32(value);
  switch (quantityCode) {
    case kQuantityRangeMin:
      if (accepted)
        record.RngMin = *whole;
      KeepTemperaturesAfterRangeMin(record);
      return static_cast<float>(record.RngMin);
    case kQuantityRangeMax:
      if (accepted)
        record.RngMax = *whole;
      KeepTemperaturesAfterRangeMax(record);
      return static_cast<float>(record.RngMax);
    case kQuantityCurrentMin:
      if (accepted)
        record.CrnMix = *whole;
      return static_cast<float>(record.CrnMix);
    case kQuantityCurrentMax:
      if (accepted)
        record.CrtMax = *whole;
      return static_cast<float>(record.CrtMax);
    case kQuantityTmpZero:
      if (accepted)
        record.TmpZero = value;
      return record.TmpZero;
    case kQuantityZero:
      if (accepted)
        record.Zero = value;
      return record.Zero;
    case kQuantityTmpFull:
      if (accepted)
        record.TmpFull = value;
      return record.TmpFull;
    case kQuantityFull:
      if (accepted)
        record.Full = value;
      return record.Full;
    case kQuantityCalculatorTemperature:
    case kQuantityCalculatorSignal:
      return Calculate(record, quantityCode, value, view);
    default:
      return value;
  }
}

}  // namespace

bool Accepts(const ConfigRecord& record, int quantityCode, float value) {
  const double v = value;
  const auto whole = TruncateToInt32(v);
  switch (quantityCode) {
    case kQuantityRangeMin:
      return whole && *whole < record.RngMax && *whole >= record.LimMin;
    case kQuantityRangeMax:
      return whole && *whole > record.RngMin && *whole <= record.LimMax;
    case kQuantityCurrentMin:
      return whole && *whole < record.CrtMax;
    case kQuantityCurrentMax:
      return whole && *whole > record.CrnMix;
    case kQuantityTmpZero:
      return InRange(record, v) && value < record.TmpFull;
    case kQuantityZero:
      return WithinBand(value, record.CurZero, kZeroBand);
    case kQuantityTmpFull:
      return InRange(record, v) && value > record.TmpZero;
    case kQuantityFull:
      return WithinBand(value, record.CurFull, kFullBand);
    case kQuantityCalculatorTemperature:
    case kQuantityCalculatorSignal:
      return std::isfinite(value);
    default:
      return true;
  }
}

double MeasuredCurrentBand(int quantityCode) {
  return quantityCode == kQuantityZero ? kZeroBand : kFullBand;
}

double GetField(const ConfigRecord& record, int quantityCode) {
  switch (quantityCode) {
    case kQuantityRangeMin:
      return record.RngMin;
    case kQuantityRangeMax:
      return record.RngMax;
    case kQuantityCurrentMin:
      return record.CrnMix;
    case kQuantityCurrentMax:
      return record.CrtMax;
    case kQuantityTmpZero:
      return record.TmpZero;
    case kQuantityZero:
      return record.Zero;
    case kQuantityTmpFull:
      return record.TmpFull;
    case kQuantityFull:
      return record.Full;
    default:
      return 0.0;
  }
}

float AssignField(ConfigRecord& record, int quantityCode, float value, int outputRange,
                  ConfigView& view) {
  const float shown = Store(record, quantityCode, value, view);
  ComputeNominalCurrents(record, TakesOver(quantityCode), outputRange, view);
  view.DumpConfig(record);
  return shown;
}

}  // namespace zelto::config
