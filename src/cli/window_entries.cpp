#include "cli/window_entries.h"

#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "config/sensor_selection.h"

#include <array>
#include <cstdio>

namespace zelto::cli {
namespace {

std::string RangeRefusal(const WholeRange& range, const config::ConfigRecord& record) {
  return "range " + std::to_string(range.low) + ".." + std::to_string(range.high) +
         " is refused: sensor " + std::to_string(record.Sensor) + " takes LO below HI within " +
         std::to_string(record.LimMin) + ".." + std::to_string(record.LimMax);
}

// The model and the sensor, as the window's lists set them.
void SelectSensor(config::ConfigRecord& record, int model, int sensor, int outputRange,
                  config::ConfigView& view) {
  using config::Selection;
  config::SetDeviceOrSensor(record, Selection::kDevice, model, outputRange, view);
  config::SetDeviceOrSensor(record, Selection::kSensor, sensor, outputRange, view);
}

// The range as typed into RangeMin and RangeMax; the reason when the window would refuse it.
std::optional<std::string> ApplyRange(config::ConfigRecord& record, const WholeRange& range,
                                      int outputRange, config::ConfigView& view) {
  // The low end first: from the full range, every pair the rules accept gets through this way.
  config::AssignField(record, config::kQuantityRangeMin, static_cast<float>(range.low), outputRange,
                      view);
  config::AssignField(record, config::kQuantityRangeMax, static_cast<float>(range.high),
                      outputRange, view);
  if (record.RngMin != range.low || record.RngMax != range.high)
    return RangeRefusal(range, record);
  return std::nullopt;
}

// A click on the output range: its two current ends through the current fields, then the
// nominal currents on the new scale.
void ApplyOutputRange(config::ConfigRecord& record, int outputRange, config::ConfigView& view) {
  const auto currents = config::OutputCurrentRange(outputRange);
  if (!currents)
    return;
  config::AssignField(record, config::kQuantityCurrentMin, static_cast<float>(currents->low),
                      outputRange, view);
  config::AssignField(record, config::kQuantityCurrentMax, static_cast<float>(currents->high),
                      outputRange, view);
  config::ComputeNominalCurrents(record, true, outputRange, view);
}

// Assigns the value as the window's field would; the reason when the field keeps another value.
std::optional<std::string> Assign(config::ConfigRecord& record, int quantityCode, float value,
                                  std::string_view option, std::string_view rule,
                                  config::ConfigView& view) {
  const float shown = config::AssignField(record, quantityCode, value, config::kOutput4To20, view);
  if (shown == value)
    return std::nullopt;
  std::array<char, 64> number{};
  std::snprintf(number.data(), number.size(), "%g", static_cast<double>(value));
  return std::string(option) + " " + number.data() + " is refused: " + std::string(rule);
}

std::string NominalCurrentRule(float nominal, double band) {
  std::array<char, 96> rule{};
  std::snprintf(rule.data(), rule.size(), "it must lie within %.2f mA of the nominal %.3f mA", band,
                static_cast<double>(nominal));
  return rule.data();
}

}  // namespace

std::variant<config::ConfigRecord, std::string> RecordForWrite(const WriteOptions& options,
                                                               int model,
                                                               config::ConfigView& view) {
  config::ConfigRecord record;
  const int output = options.switches.outputRange;
  SelectSensor(record, model, options.sensor, output, view);
  if (model == config::kDeviceVelmor7)
    ApplyOutputRange(record, output, view);
  if (options.range) {
    if (auto reason = ApplyRange(record, *options.range, output, view))
      return *reason;
  }
  return record;
}

std::variant<config::ConfigRecord, std::string> RecordForCorrection(const CorrectOptions& options,
                                                                    int model,
                                                                    config::ConfigView& view) {
  config::ConfigRecord record;
  SelectSensor(record, model, options.sensor, config::kOutput4To20, view);
  if (auto reason = ApplyRange(record, options.range, config::kOutput4To20, view))
    return *reason;
  constexpr std::string_view kTemperatureRule = "T1 and T2 must lie within the range, T1 below T2";
  // T1 may only move below T2, so T2 goes first when T1 is not below the current T2.
  const bool fullFirst = options.t1 >= record.TmpFull;
  const std::array<std::pair<int, std::pair<float, std::string_view>>, 2> temperatures{
      {{config::kQuantityTmpZero, {options.t1, "--t1"}},
       {config::kQuantityTmpFull, {options.t2, "--t2"}}}};
  for (int i = 0; i < 2; ++i) {
    const auto& [code, entry] = temperatures[static_cast<std::size_t>(fullFirst ? 1 - i : i)];
    if (auto reason = Assign(record, code, entry.first, entry.second, kTemperatureRule, view))
      return *reason;
  }
  if (auto reason = Assign(record, config::kQuantityZero, options.i1, "--i1",
                           NominalCurrentRule(record.CurZero, 0.32), view)) {
    return *reason;
  }
  if (auto reason = Assign(record, config::kQuantityFull, options.i2, "--i2",
                           NominalCurrentRule(record.CurFull, 0.8), view)) {
    return *reason;
  }
  return record;
}

}  // namespace zelto::cli
