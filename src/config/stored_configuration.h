#pragma once

#include "config/word_summary.h"

#include <cstdint>
#include <optional>

namespace zelto::config {

// What a transmitter's configuration words say, decoded once for whoever needs the unit's own
// view of itself rather than the window's: the output check, the simulated bench.
struct StoredConfiguration {
  bool configured = false;
  int sensor = 0;  // catalogue code as the state word holds it (bits 0..5)
  bool linearEmf = false;
  int32_t devRngMin = 0;  // words 16 and 20, as written
  int32_t devRngMax = 0;
  int32_t crnMix = 0;  // words 24 and 28, mA
  int32_t crtMax = 0;
  std::optional<int> outputRange;  // Velmor-7's output-range byte; the other family has none
  bool coldJunction = false;       // Velmor-7 switches
  bool squareRoot = false;
  float Au = 1.0f;  // the range correction the unit holds
  float Bu = 0.0f;
};

// Decodes the words of the model's family (0 and 1 table-loading, 2 Velmor-7). Nothing when a
// word it needs is not at hand or the model is none of those.
std::optional<StoredConfiguration> DecodeStoredConfiguration(int model, const WordLookup& word);

}  // namespace zelto::config
