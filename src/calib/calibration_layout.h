#pragma once

#include "calib/calib_block.h"

#include <cstdint>
#include <optional>
#include <span>

namespace zelto::calib {

// Where a device family keeps its calibration in the configuration memory.
struct CalibrationLayout {
  bool velmor = false;
  // The word of Pairs[i], for the pairs the family transfers.
  std::span<const std::uint16_t> pairWords;
  // Ref[2k] and Ref[2k + 1] share word referencesWord + 4k, low half first.
  std::uint16_t referencesWord = 0;
  int referenceWords = 0;
  std::span<const std::uint16_t> neutralReferences;
  std::uint8_t doneAction = 0;
  // The bar after reference word k of a read or a write is (200k + base) / 22.
  int referenceBarBase = 0;
};

// Positions 0 and 1 are the table-loading models, 2 is Velmor-7; nothing for any other.
std::optional<CalibrationLayout> LayoutForModel(int model);

// Whether the block holds nothing beyond the places of the layout. A family's devices and the
// files saved from their blocks leave zero the pairs and reference values the family does not
// keep; a block of the other family has values there (Velmor-7 its fourth pair, the
// table-loading models their reference values from the fifteenth on), and shown or written in
// this layout it would read as other coefficients.
bool FitsLayout(const CalibBlock& block, const CalibrationLayout& layout);

}  // namespace zelto::calib
