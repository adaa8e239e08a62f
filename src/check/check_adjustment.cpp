#include "check/check_adjustment.h"

#include "config/config_view.h"
#include "config/correction.h"
#include "config/field_assignment.h"
#include "keep/profile_application.h"

#include <array>
#include <cmath>

namespace zelto::check {
namespace {

// A value through the window's validated assignment; false when the field keeps another.
bool Assign(config::ConfigRecord& record, int quantityCode, float value) {
  config::SilentConfigView view;
  return config::AssignField(record, quantityCode, value, config::kOutput4To20, view) == value;
}

}  // namespace

std::variant<ComputedAdjustment, std::string_view> ComputeAdjustment(
    const CheckedConfiguration& configuration, const MeasuredPoint& lowest,
    const MeasuredPoint& highest, const CorrectionPair& held) {
  if (!config::IsTableLoadingDevice(configuration.model))
    return kAdjustNoCorrectionText;
  if (!lowest.measured || !highest.measured)
    return kAdjustEndsNotSettledText;

  config::ConfigRecord record;
  config::SilentConfigView view;
  keep::SelectModelAndSensor(record, configuration.model, configuration.sensor,
                             config::kOutput4To20, view);
  if (keep::AssignRange(record, {configuration.rangeMin, configuration.rangeMax},
                        config::kOutput4To20, view)) {
    return kAdjustRangeText;
  }
  const auto t1 = static_cast<float>(lowest.point.temperature);
  const auto t2 = static_cast<float>(highest.point.temperature);
  // T1 may only move below T2, so T2 goes first when T1 is not below the T2 held now.
  const bool fullFirst = t1 >= record.TmpFull;
  const std::array<std::pair<int, float>, 2> temperatures{
      {{config::kQuantityTmpZero, t1}, {config::kQuantityTmpFull, t2}}};
  for (int i = 0; i < 2; ++i) {
    const auto& [code, value] = temperatures[static_cast<std::size_t>(fullFirst ? 1 - i : i)];
    if (!Assign(record, code, value))
      return kAdjustTemperaturesText;
  }
  if (!Assign(record, config::kQuantityZero, static_cast<float>(*lowest.measured)))
    return kAdjustLowBandText;
  if (!Assign(record, config::kQuantityFull, static_cast<float>(*highest.measured)))
    return kAdjustHighBandText;

  const config::Correction correction = config::ComputeCorrection(record, configuration.linearEmf);
  if (!correction.computed)
    return correction.refusal;
  const CorrectionPair computed{record.Au, record.Bu};
  const CorrectionPair written = ComposeCorrection(held, computed);
  if (!std::isfinite(written.au) || !std::isfinite(written.bu) || written.au == 0.0f)
    return config::kCorrectionNotFiniteText;
  return ComputedAdjustment{computed, written};
}

CorrectionPair ComposeCorrection(const CorrectionPair& held, const CorrectionPair& computed) {
  const double au = static_cast<double>(computed.au) * held.au;
  const double bu = static_cast<double>(held.bu) + static_cast<double>(computed.bu) / held.au;
  return {static_cast<float>(au), static_cast<float>(bu)};
}

}  // namespace zelto::check
