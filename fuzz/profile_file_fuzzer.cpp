// A profile file as anyone may hand it over, and the device words a profile is read back from.
#include "fuzz_check.h"
#include "keep/device_profile.h"
#include "keep/profile_diff.h"
#include "keep/profile_file.h"

#include <cstdint>
#include <span>

namespace {

using namespace zelto::keep;
namespace config = zelto::config;

// The words of the model's profile addresses, filled from the input as far as it goes.
WordMap WordsFrom(std::span<const std::uint8_t> bytes, int model) {
  WordMap words;
  for (const std::uint16_t address : ProfileWordAddresses(model)) {
    auto& word = words[address];
    for (std::uint8_t& byte : word) {
      if (bytes.empty())
        return words;
      byte = bytes.front();
      bytes = bytes.subspan(1);
    }
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parsed = ParseProfile({reinterpret_cast<const char*>(data), size});
  if (const auto* error = std::get_if<ProfileFileError>(&parsed)) {
    ZELTO_FUZZ_CHECK(zelto::fuzz::IsValidUtf8(error->reason));
  } else {
    const ProfileText& text = std::get<ProfileText>(parsed);
    for (const ProfileRefusal& refusal : text.refused)
      ZELTO_FUZZ_CHECK(zelto::fuzz::IsValidUtf8(refusal.reason));
    if (text.refused.empty()) {
      config::SilentConfigView view;
      const ProfileSettings applied = SettingsOfProfile(text.profile, view);
      // What the rules let through, a write takes; and the file it saves reads back the same.
      if (applied.refused.empty()) {
        ZELTO_FUZZ_CHECK(ConfigurationWriteWords(applied.settings).has_value());
        const std::string saved = ProfileJson(text.profile);
        const auto again = ParseProfile({saved.data(), saved.size()});
        ZELTO_FUZZ_CHECK(std::holds_alternative<ProfileText>(again));
        Profile expected = text.profile;
        expected.range = EffectiveRange(expected);
        ZELTO_FUZZ_CHECK(std::get<ProfileText>(again).profile == expected);
      }
    }
  }

  // Whatever a device holds decodes, and a profile of its decoding writes it back unless it
  // says why not.
  const int model = size > 0 ? data[0] % 3 : 0;
  const WordMap words = WordsFrom({data, size}, model);
  const DeviceProfile decoded = DecodeDeviceProfile(model, words);
  config::SilentConfigView view;
  const ProfileSettings settings = SettingsOfProfile(decoded.profile, view);
  if (decoded.unexpressed.empty()) {
    ZELTO_FUZZ_CHECK(settings.refused.empty());
    const auto comparison = CompareWithDevice(words, settings.settings);
    ZELTO_FUZZ_CHECK(comparison && comparison->differences.empty());
  }
  return 0;
}
