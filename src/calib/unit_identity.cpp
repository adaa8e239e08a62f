#include "calib/unit_identity.h"

#include "calib/calibration_layout.h"
#include "config/memory_map.h"

#include <algorithm>

namespace zelto::calib {
namespace {

constexpr std::uint16_t kWordBytes = 4;

bool IsCorrectionWord(std::uint16_t address, bool velmor) {
  if (velmor)
    return address == config::velmor_memory::kAuWord || address == config::velmor_memory::kBuWord;
  return address == config::loading_memory::kAuWord || address == config::loading_memory::kBuWord;
}

}  // namespace

std::vector<std::uint16_t> IdentityCalibrationWords(int model) {
  const auto layout = LayoutForModel(model);
  if (!layout)
    return {};
  std::vector<std::uint16_t> words(layout->pairWords.begin(), layout->pairWords.end());
  for (int k = 0; k < layout->referenceWords; ++k)
    words.push_back(static_cast<std::uint16_t>(layout->referencesWord + kWordBytes * k));
  std::erase_if(words,
                [&](std::uint16_t address) { return IsCorrectionWord(address, layout->velmor); });
  std::sort(words.begin(), words.end());
  return words;
}

}  // namespace zelto::calib
