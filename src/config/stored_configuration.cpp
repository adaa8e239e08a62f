#include "config/stored_configuration.h"

#include "config/memory_map.h"
#include "config/nominal_currents.h"
#include "config/summary_lines.h"

#include <bit>

namespace zelto::config {
namespace {

int Byte(uint32_t word, int index) {
  return static_cast<int>((word >> (8 * index)) & 0xFF);
}

struct FamilyWords {
  uint16_t state;
  uint16_t au;
  uint16_t bu;
};

std::optional<FamilyWords> FamilyOf(int model) {
  if (IsTableLoadingDevice(model))
    return FamilyWords{loading_memory::kStateWord, loading_memory::kAuWord,
                       loading_memory::kBuWord};
  if (model == kDeviceVelmor7)
    return FamilyWords{velmor_memory::kStateWord, velmor_memory::kAuWord, velmor_memory::kBuWord};
  return std::nullopt;
}

}  // namespace

std::optional<StoredConfiguration> DecodeStoredConfiguration(int model, const WordLookup& word) {
  const auto family = FamilyOf(model);
  if (!family)
    return std::nullopt;
  const auto state = word(family->state);
  const auto low = word(kDevRngMinWord);
  const auto high = word(kDevRngMaxWord);
  const auto currentLow = word(kCrnMixWord);
  const auto currentHigh = word(kCrtMaxWord);
  const auto au = word(family->au);
  const auto bu = word(family->bu);
  if (!state || !low || !high || !currentLow || !currentHigh || !au || !bu)
    return std::nullopt;

  StoredConfiguration stored;
  stored.configured = IsConfigured(*state);
  stored.sensor = StateSensorCode(*state);
  stored.linearEmf = IsLinearFromEmf(*state);
  stored.devRngMin = static_cast<int32_t>(*low);
  stored.devRngMax = static_cast<int32_t>(*high);
  stored.crnMix = static_cast<int32_t>(*currentLow);
  stored.crtMax = static_cast<int32_t>(*currentHigh);
  stored.Au = std::bit_cast<float>(*au);
  stored.Bu = std::bit_cast<float>(*bu);
  if (model == kDeviceVelmor7) {
    const auto switchesA = word(velmor_memory::kSwitchWordA);
    const auto switchesB = word(velmor_memory::kSwitchWordB);
    if (!switchesA || !switchesB)
      return std::nullopt;
    stored.coldJunction = Byte(*switchesA, 1) != 0;
    stored.squareRoot = Byte(*switchesA, 3) != 0;
    stored.outputRange = Byte(*switchesB, 0);
  }
  return stored;
}

}  // namespace zelto::config
