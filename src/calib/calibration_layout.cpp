#include "calib/calibration_layout.h"

#include "calib/calib_block.h"
#include "config/nominal_currents.h"
#include "link/frame.h"

#include <array>

namespace zelto::calib {
namespace {

// Table-loading models: Ae, Be, Ar, Br, then the range-correction words as Au, Bu.
constexpr std::array<std::uint16_t, 6> kLoadingPairWords{32, 36, 40, 44, 84, 88};
// Velmor-7: Ae, Be, Ai, Bi, Ar, Br, Au, Bu in a row.
constexpr std::array<std::uint16_t, 8> kVelmorPairWords{32, 36, 40, 44, 48, 52, 56, 60};

constexpr CalibrationLayout kLoadingLayout{
    false, kLoadingPairWords, 48, 9, kLoadingNeutralReferences, ActWriteDone, 600};
constexpr CalibrationLayout kVelmorLayout{
    true, kVelmorPairWords, 64, 7, kVelmorNeutralReferences, ActCalibrDone, 800};

}  // namespace

std::optional<CalibrationLayout> LayoutForModel(int model) {
  if (config::IsTableLoadingDevice(model))
    return kLoadingLayout;
  if (model == config::kDeviceVelmor7)
    return kVelmorLayout;
  return std::nullopt;
}

bool FitsLayout(const CalibBlock& block, const CalibrationLayout& layout) {
  for (std::size_t i = layout.pairWords.size(); i < block.Pairs.size(); ++i) {
    if (block.Pairs[i] != 0.0f)  // NaN included
      return false;
  }
  for (std::size_t i = 2 * static_cast<std::size_t>(layout.referenceWords); i < block.Ref.size();
       ++i) {
    if (block.Ref[i] != 0)
      return false;
  }
  return true;
}

}  // namespace zelto::calib
