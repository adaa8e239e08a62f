#include "cli/window_entries.h"

#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "keep/profile_application.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <array>
#include <cstdio>

namespace zelto::cli {
namespace {

// Assigns the value as the window's field would; the reason when the field keeps another value.
std::optional<std::string> Assign(config::ConfigRecord& record, int quantityCode, float value,
                                  std::string_view option, std::string_view rule,
                                  config::ConfigView& view) {
  const float shown = config::AssignField(record, quantityCode, value, config::kOutput4To20, view);
  if (shown == value)
    return std::nullopt;
  std::array<char, 64> number{};
  std::snprintf(number.data(), number.size(), "%g", static_cast<double>(value));
  return ToolText(QT_TRANSLATE_NOOP("cli", "%1 %2 не принято: %3"),
                  {std::string(option), number.data(), std::string(rule)});
}

std::string NominalCurrentRule(float nominal, double band) {
  std::array<char, 32> bandText{};
  std::snprintf(bandText.data(), bandText.size(), "%.2f", band);
  std::array<char, 32> nominalText{};
  std::snprintf(nominalText.data(), nominalText.size(), "%.3f", static_cast<double>(nominal));
  return ToolText(
      QT_TRANSLATE_NOOP("cli", "ток должен отличаться от номинального %2 мА менее чем на %1 мА"),
      {bandText.data(), nominalText.data()});
}

}  // namespace

std::variant<config::ConfigRecord, std::string> RecordForWrite(const WriteOptions& options,
                                                               int model,
                                                               config::ConfigView& view) {
  keep::Profile profile;
  profile.model = model;
  profile.sensor = options.sensor;
  profile.range = options.range;
  profile.linearEmf = options.lineFunc;
  profile.output = options.switches.outputRange;
  const auto applied = keep::SettingsOfProfile(profile, view);
  if (!applied.refused.empty())
    return applied.refused.front().reason;
  return applied.settings.record;
}

std::variant<config::ConfigRecord, std::string> RecordForCorrection(const CorrectOptions& options,
                                                                    int model,
                                                                    config::ConfigView& view) {
  config::ConfigRecord record;
  keep::SelectModelAndSensor(record, model, options.sensor, config::kOutput4To20, view);
  if (auto reason = keep::AssignRange(record, options.range, config::kOutput4To20, view))
    return *reason;
  const std::string temperatureRule =
      ToolText(QT_TRANSLATE_NOOP("cli", "T1 и T2 должны лежать в диапазоне, T1 ниже T2"));
  // T1 may only move below T2, so T2 goes first when T1 is not below the current T2.
  const bool fullFirst = options.t1 >= record.TmpFull;
  const std::array<std::pair<int, std::pair<float, std::string_view>>, 2> temperatures{
      {{config::kQuantityTmpZero, {options.t1, "--t1"}},
       {config::kQuantityTmpFull, {options.t2, "--t2"}}}};
  for (int i = 0; i < 2; ++i) {
    const auto& [code, entry] = temperatures[static_cast<std::size_t>(fullFirst ? 1 - i : i)];
    if (auto reason = Assign(record, code, entry.first, entry.second, temperatureRule, view))
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
