#pragma once

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

}  // namespace zelto::calib
