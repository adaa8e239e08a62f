#pragma once

#include "check/check_record.h"
#include "check/checked_configuration.h"
#include "link/translatable.h"

#include <string_view>
#include <variant>

namespace zelto::check {

// Why the check's correction is not computed (besides the correction's own refusals,
// config::kCorrectionSameSignalsText and kCorrectionNotFiniteText).
inline constexpr std::string_view kAdjustNoCorrectionText =
    QT_TRANSLATE_NOOP("status", "Подстройка невозможна: у этой модели нет коррекции диапазона");
inline constexpr std::string_view kAdjustEndsNotSettledText =
    QT_TRANSLATE_NOOP("status", "Подстройка невозможна: в крайней точке показания не установились");
inline constexpr std::string_view kAdjustRangeText =
    QT_TRANSLATE_NOOP("status", "Подстройка невозможна: диапазон прибора вне пределов датчика");
inline constexpr std::string_view kAdjustTemperaturesText = QT_TRANSLATE_NOOP(
    "status", "Подстройка невозможна: T1 и T2 должны лежать в диапазоне, T1 ниже T2");
inline constexpr std::string_view kAdjustLowBandText = QT_TRANSLATE_NOOP(
    "status",
    "Подстройка невозможна: ток в нижней точке должен отличаться от номинального меньше чем на "
    "0,32 мА");
inline constexpr std::string_view kAdjustHighBandText = QT_TRANSLATE_NOOP(
    "status",
    "Подстройка невозможна: ток в верхней точке должен отличаться от номинального меньше чем на "
    "0,8 мА");

struct ComputedAdjustment {
  CorrectionPair computed;  // Au1 and Bu1, as the correction command computes them
  CorrectionPair written;   // composed with the correction the unit holds
};

// The correction from the lowest and the highest point of the pass: their temperatures as T1
// and T2, their measured currents as the currents at them, through the window's validated
// assignments, acceptance bands and correction computation, on the unit's own range. Those
// currents came through the correction the unit holds, so the pair written is the composition
// Au = Au1 x Au0, Bu = Bu0 + Bu1 / Au0 (ComposeCorrection). The status text when it cannot be
// computed.
std::variant<ComputedAdjustment, std::string_view> ComputeAdjustment(
    const CheckedConfiguration& configuration, const MeasuredPoint& lowest,
    const MeasuredPoint& highest, const CorrectionPair& held);

// The correction that does `computed` to what `held` already makes of a signal: the unit maps
// s to Au0 x (s + Bu0/10000), and Au1 x (that + Bu1/10000) is Au1 Au0 x (s + (Bu0 + Bu1/Au0) /
// 10000).
CorrectionPair ComposeCorrection(const CorrectionPair& held, const CorrectionPair& computed);

}  // namespace zelto::check
