#include "calib/calibration_words.h"

#include "calib/calibration_layout.h"
#include "link/frame.h"

#include <span>

namespace zelto::calib {
namespace {

constexpr int kWordBytes = 4;

config::MemoryWord Word(std::uint16_t address, Payload bytes) {
  return {address, bytes};
}

// Reference word k: Ref[2k] in the low half, Ref[2k + 1] in the high half.
config::MemoryWord ReferenceWord(const CalibrationLayout& layout,
                                 std::span<const std::uint16_t> references, int k) {
  const auto low = references[static_cast<std::size_t>(2 * k)];
  const auto high = references[static_cast<std::size_t>(2 * k + 1)];
  return Word(static_cast<std::uint16_t>(layout.referencesWord + kWordBytes * k),
              PayloadFromWord(low | static_cast<std::uint32_t>(high) << 16));
}

float NeutralPair(std::size_t i) {
  return i % 2 == 0 ? kNeutralGain : kNeutralOffset;
}

// The pair words with the values given, then (unless empty) the reference words.
template <class PairValue>
std::optional<config::WritePlan> Plan(config::WriteOperation operation, int model, PairValue pair,
                                      std::span<const std::uint16_t> references) {
  const auto layout = LayoutForModel(model);
  if (!layout)
    return std::nullopt;
  config::WritePlan plan{operation, {}, layout->doneAction};
  for (std::size_t i = 0; i < layout->pairWords.size(); ++i)
    plan.words.push_back(Word(layout->pairWords[i], PayloadFromFloat(pair(i))));
  if (!references.empty()) {
    for (int k = 0; k < layout->referenceWords; ++k)
      plan.words.push_back(ReferenceWord(*layout, references, k));
  }
  return plan;
}

}  // namespace

std::optional<config::WritePlan> CalibrationWritePlan(const CalibBlock& block, int model) {
  return Plan(
      config::WriteOperation::kCalibWrite, model, [&](std::size_t i) { return block.Pairs[i]; },
      block.Ref);
}

std::optional<config::WritePlan> CalibrationClearPlan(int model) {
  return Plan(config::WriteOperation::kCalibClear, model, NeutralPair, {});
}

std::optional<config::WritePlan> CalibrationClearFullPlan(int model) {
  const auto layout = LayoutForModel(model);
  if (!layout)
    return std::nullopt;
  return Plan(config::WriteOperation::kCalibClearFull, model, NeutralPair,
              layout->neutralReferences);
}

}  // namespace zelto::calib
