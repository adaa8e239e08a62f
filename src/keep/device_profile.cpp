#include "keep/device_profile.h"

#include "config/device_range.h"
#include "config/memory_map.h"
#include "config/nominal_currents.h"
#include "config/record_validation.h"
#include "config/summary_lines.h"
#include "keep/profile_application.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <cstdio>
#include <cstdlib>

namespace zelto::keep {
namespace {

using Bytes = std::array<uint8_t, 4>;

constexpr uint8_t kSensorCodeBits = 0x3F;
constexpr uint8_t kLinearFromEmfBit = 0x80;

// The words as a read found them; a missing one reads as zeros and is noted once.
class ReadWords {
 public:
  ReadWords(const WordMap& words, std::vector<std::string>& notes) : words_(words), notes_(notes) {}

  Bytes At(uint16_t address) {
    const auto found = words_.find(address);
    if (found != words_.end())
      return found->second;
    notes_.push_back(
        ToolText(QT_TRANSLATE_NOOP("cli", "слово %1 не прочитано"), {std::to_string(address)}));
    return {};
  }

  int32_t Int32At(uint16_t address) {
    const Bytes bytes = At(address);
    return static_cast<int32_t>(
        static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
        static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
  }

 private:
  const WordMap& words_;
  std::vector<std::string>& notes_;
};

// The stored range end of a range linear from EMF, as a whole degree that writes it again: the
// one nearest `near`. Nothing when no degree within the sensor's limits writes it.
std::optional<int32_t> WholeEndFor(const config::ConfigRecord& selected, int32_t stored,
                                   std::optional<int32_t> near) {
  config::ConfigRecord record = selected;
  std::optional<int32_t> best;
  for (int32_t degree = selected.LimMin; degree <= selected.LimMax; ++degree) {
    record.RngMin = record.RngMax = degree;
    if (!config::ComputeDeviceRangeWords(record, true) || record.DevRngMin != stored)
      continue;
    if (!best || (near && std::abs(degree - *near) < std::abs(*best - *near)))
      best = degree;
  }
  return best;
}

std::string TenthsText(int32_t tenths) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.1f", static_cast<double>(tenths) / 10.0);
  return text.data();
}

// The range as the profile holds it: the stored ends, or the degrees that write them again.
WholeRange DecodeRange(const Profile& profile, int32_t low, int32_t high,
                       std::vector<std::string>& unexpressed) {
  if (!profile.linearEmf || config::SensorListSize(profile.model) <= profile.sensor)
    return {low, high};
  config::ConfigRecord selected;
  config::SilentConfigView view;
  SelectModelAndSensor(selected, profile.model, profile.sensor, config::kOutput4To20, view);
  const auto wholeLow =
      WholeEndFor(selected, low, config::StoredEndTemperature(profile.sensor, low));
  const auto wholeHigh =
      WholeEndFor(selected, high, config::StoredEndTemperature(profile.sensor, high));
  if (wholeLow && wholeHigh)
    return {*wholeLow, *wholeHigh};
  unexpressed.push_back(ToolText(QT_TRANSLATE_NOOP("cli",
                                                   "слова диапазона содержат сигнал "
                                                   "%1..%2, которого не даёт ни один "
                                                   "диапазон в целых градусах"),
                                 {TenthsText(low), TenthsText(high)}));
  return {wholeLow.value_or(config::StoredEndTemperature(profile.sensor, low).value_or(low)),
          wholeHigh.value_or(config::StoredEndTemperature(profile.sensor, high).value_or(high))};
}

void DecodeVelmorSwitches(ReadWords& words, Profile& profile) {
  const Bytes a = words.At(config::velmor_memory::kSwitchWordA);
  const Bytes b = words.At(config::velmor_memory::kSwitchWordB);
  profile.coldJunction = a[1] != 0;
  profile.scheme = a[2];
  profile.squareRoot = a[3] != 0;
  profile.output = b[0];
  profile.sensorBreak = b[1] != 0;
}

// The addresses where a write of the profile sends other words than the device holds.
void CompareWithWrite(const Profile& profile, const WordMap& words, DeviceProfile& decoded) {
  config::SilentConfigView view;
  const ProfileSettings applied = SettingsOfProfile(profile, view);
  for (const ProfileRefusal& refusal : applied.refused)
    decoded.unexpressed.push_back(refusal.reason);
  if (!applied.refused.empty())
    return;
  const auto written = config::ConfigurationWriteWords(applied.settings);
  if (!written)
    return;
  for (const uint16_t address : ProfileWordAddresses(profile.model)) {
    Bytes sent{};
    for (const config::MemoryWord& word : *written) {
      if (word.address == address)
        sent = word.bytes;
    }
    const auto held = words.find(address);
    if (held == words.end() || held->second == sent)
      continue;
    decoded.otherWords.push_back(address);
    decoded.unexpressed.push_back(
        ToolText(QT_TRANSLATE_NOOP("cli", "слово %1 содержит %2, а запись профиля шлёт %3"),
                 {std::to_string(address), WordHex(held->second), WordHex(sent)}));
  }
}

}  // namespace

std::vector<uint16_t> ProfileWordAddresses(int model) {
  if (model == config::kDeviceVelmor7) {
    return {config::velmor_memory::kSwitchWordA,
            config::velmor_memory::kSwitchWordB,
            config::velmor_memory::kZeroWord,
            config::velmor_memory::kStateWord,
            config::kDevRngMinWord,
            config::kDevRngMaxWord,
            config::kCrnMixWord,
            config::kCrtMaxWord};
  }
  return {config::loading_memory::kInputWord,
          config::loading_memory::kStateWord,
          config::kDevRngMinWord,
          config::kDevRngMaxWord,
          config::kCrnMixWord,
          config::kCrtMaxWord,
          config::loading_memory::kEndMarkerWord};
}

std::string WordHex(const std::array<uint8_t, 4>& bytes) {
  std::array<char, 9> text{};
  std::snprintf(text.data(), text.size(), "%02x%02x%02x%02x", bytes[0], bytes[1], bytes[2],
                bytes[3]);
  return text.data();
}

DeviceProfile DecodeDeviceProfile(int model, const WordMap& words) {
  DeviceProfile decoded;
  ReadWords read(words, decoded.unexpressed);
  const bool velmor = model == config::kDeviceVelmor7;
  const Bytes state =
      read.At(velmor ? config::velmor_memory::kStateWord : config::loading_memory::kStateWord);
  Profile& profile = decoded.profile;
  profile.model = model;
  profile.sensor = state[0] & kSensorCodeBits;
  profile.linearEmf = (state[0] & kLinearFromEmfBit) != 0;
  if (velmor)
    DecodeVelmorSwitches(read, profile);
  profile.range = DecodeRange(profile, read.Int32At(config::kDevRngMinWord),
                              read.Int32At(config::kDevRngMaxWord), decoded.unexpressed);

  decoded.configured = config::IsConfigured(static_cast<uint32_t>(state[3]) << 24);
  if (!decoded.configured) {
    decoded.unexpressed.insert(decoded.unexpressed.begin(),
                               ToolText(QT_TRANSLATE_NOOP("cli", "прибор не конфигурирован")));
    return decoded;
  }
  CompareWithWrite(profile, words, decoded);
  return decoded;
}

}  // namespace zelto::keep
