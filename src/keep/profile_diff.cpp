#include "keep/profile_diff.h"

#include "config/comma_decimals.h"
#include "config/device_range.h"
#include "config/memory_map.h"
#include "config/nominal_currents.h"
#include "config/record_validation.h"
#include "keep/profile_application.h"
#include "keep/profile_texts.h"
#include "link/translatable.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>

namespace zelto::keep {
namespace {

constexpr std::string_view kArrow = " → ";

// The range ends a write of the profile stores; nothing where it has no sensor to go by.
std::optional<WholeRange> StoredRange(const Profile& profile) {
  const auto range = EffectiveRange(profile);
  if (!range || profile.sensor >= config::SensorListSize(profile.model))
    return std::nullopt;
  config::ConfigRecord record;
  config::SilentConfigView view;
  SelectModelAndSensor(record, profile.model, profile.sensor, config::kOutput4To20, view);
  record.RngMin = range->low;
  record.RngMax = range->high;
  if (!config::ComputeDeviceRangeWords(record, profile.linearEmf))
    return std::nullopt;
  return WholeRange{record.DevRngMin, record.DevRngMax};
}

bool SameRange(const Profile& a, const Profile& b) {
  if (EffectiveRange(a) == EffectiveRange(b))
    return true;
  if (a.model != b.model || a.sensor != b.sensor || a.linearEmf != b.linearEmf || !a.linearEmf)
    return false;
  const auto stored = StoredRange(a);
  return stored && stored == StoredRange(b);
}

// Whether a configuration write of the model sends the key's setting.
bool WriteSends(ProfileKey key, int model) {
  switch (key) {
    case ProfileKey::kModel:
      return false;
    case ProfileKey::kSensor:
    case ProfileKey::kRange:
    case ProfileKey::kLinearEmf:
      return true;
    case ProfileKey::kOutput:
    case ProfileKey::kColdJunction:
    case ProfileKey::kScheme:
    case ProfileKey::kSqrt:
    case ProfileKey::kSensorBreak:
      return model == config::kDeviceVelmor7;
  }
  return false;
}

FieldDifference KeyDifference(ProfileKey key, const Profile& device, const Profile& profile) {
  return {std::string(KeyName(key)),    std::string(KeyWindowName(key)),
          ToolValueText(key, device),   ToolValueText(key, profile),
          WindowValueText(key, device), WindowValueText(key, profile)};
}

// A word that was not read shows as "?".
FieldDifference WordDifference(uint16_t address, const std::optional<std::array<uint8_t, 4>>& held,
                               const std::array<uint8_t, 4>& sent) {
  const std::string number = std::to_string(address);
  std::string windowField = QT_TRANSLATE_NOOP("Zelto", "слово %1");
  windowField.replace(windowField.find("%1"), 2, number);
  const std::string heldText = held ? WordHex(*held) : "?";
  return {"word " + number, windowField, heldText, WordHex(sent), heldText, WordHex(sent)};
}

FieldDifference NotConfigured() {
  return {
      "configured", QT_TRANSLATE_NOOP("Zelto", "конфигурация"), "no",
      "yes",        QT_TRANSLATE_NOOP("Zelto", "нет"),          QT_TRANSLATE_NOOP("Zelto", "есть")};
}

// The gain and offset words of the range correction, which every configuration write resets;
// a unit's correction lives nowhere else, so a profile cannot hold it.
struct CorrectionAddresses {
  uint16_t gain;
  uint16_t offset;
};

CorrectionAddresses CorrectionAddressesOf(int model) {
  if (model == config::kDeviceVelmor7)
    return {config::velmor_memory::kAuWord, config::velmor_memory::kBuWord};
  return {config::loading_memory::kAuWord, config::loading_memory::kBuWord};
}

// The fewest significant digits that give the float back, so that two values never show alike:
// "1", "1.0123", "-0.0456"; "?" for a word that was not read.
std::string FloatText(std::optional<std::array<uint8_t, 4>> bytes) {
  if (!bytes)
    return "?";
  const uint32_t bits =
      static_cast<uint32_t>((*bytes)[0]) | static_cast<uint32_t>((*bytes)[1]) << 8 |
      static_cast<uint32_t>((*bytes)[2]) << 16 | static_cast<uint32_t>((*bytes)[3]) << 24;
  const auto value = std::bit_cast<float>(bits);
  std::array<char, 32> text{};
  for (int digits = 1; digits <= 9; ++digits) {
    std::snprintf(text.data(), text.size(), "%.*g", digits, static_cast<double>(value));
    if (std::strtof(text.data(), nullptr) == value)
      break;
  }
  return text.data();
}

std::optional<std::array<uint8_t, 4>> WordAt(const WordMap& words, uint16_t address) {
  const auto found = words.find(address);
  if (found == words.end())
    return std::nullopt;
  return found->second;
}

// "Au=1.0123, Bu=-0.0456" for the tool; the window separates with a semicolon, as its numbers
// carry the decimal comma.
FieldDifference CorrectionDifference(const WordMap& device, const WordMap& sent,
                                     CorrectionAddresses addresses) {
  const auto pair = [&](const WordMap& words, const std::string& separator, bool comma) {
    std::string gain = FloatText(WordAt(words, addresses.gain));
    std::string offset = FloatText(WordAt(words, addresses.offset));
    if (comma) {
      config::CommaDecimals(gain);
      config::CommaDecimals(offset);
    }
    return "Au=" + gain + separator + "Bu=" + offset;
  };
  return {"correction",
          QT_TRANSLATE_NOOP("Zelto", "коррекция диапазона"),
          pair(device, ", ", false),
          pair(sent, ", ", false),
          pair(device, "; ", true),
          pair(sent, "; ", true)};
}

// Each address as the write leaves it.
WordMap FinalWordMap(const std::vector<config::MemoryWord>& words) {
  WordMap final;
  for (const config::MemoryWord& word : words)
    final[word.address] = word.bytes;
  return final;
}

}  // namespace

std::string ToolLine(const FieldDifference& difference) {
  return difference.field + ": " + difference.device + std::string(kArrow) + difference.profile;
}

std::string WindowLine(const FieldDifference& difference) {
  return difference.windowField + ": " + difference.windowDevice + std::string(kArrow) +
         difference.windowProfile;
}

std::vector<FieldDifference> DiffProfiles(const Profile& device, const Profile& profile) {
  std::vector<FieldDifference> differences;
  for (const ProfileKey key : ProfileKeys()) {
    if (!WriteSends(key, profile.model))
      continue;
    const bool same = key == ProfileKey::kRange
                          ? SameRange(device, profile)
                          : ToolValueText(key, device) == ToolValueText(key, profile);
    if (!same)
      differences.push_back(KeyDifference(key, device, profile));
  }
  return differences;
}

bool TableImagesAgree(const WordMap& device, const std::vector<config::MemoryWord>& writeWords) {
  for (const auto& [address, bytes] : FinalWordMap(writeWords)) {
    if (address < config::loading_memory::kSignalTableBase)
      continue;
    const auto held = device.find(address);
    if (held == device.end() || held->second != bytes)
      return false;
  }
  return true;
}

std::optional<DeviceComparison> CompareWithDevice(const WordMap& device,
                                                  const config::WriteSettings& settings) {
  const auto written = config::ConfigurationWriteWords(settings);
  if (!written)
    return std::nullopt;
  const int model = settings.record.Device;
  const DeviceProfile decoded = DecodeDeviceProfile(model, device);
  DeviceComparison comparison;
  if (!decoded.configured)
    comparison.differences.push_back(NotConfigured());
  const auto fields = DiffProfiles(decoded.profile, ProfileFromSettings(settings));
  comparison.differences.insert(comparison.differences.end(), fields.begin(), fields.end());

  // Where the device's own settings would not write its words again, the fields cannot tell.
  const WordMap sent = FinalWordMap(*written);
  for (const uint16_t address : decoded.otherWords) {
    const auto held = device.find(address);
    const auto wanted = sent.find(address);
    if (held != device.end() && wanted != sent.end() && held->second != wanted->second)
      comparison.differences.push_back(WordDifference(address, held->second, wanted->second));
  }

  // The write resets the unit's correction: one that is there is lost with it.
  const CorrectionAddresses correction = CorrectionAddressesOf(model);
  const auto changes = [&](uint16_t address) {
    const auto held = WordAt(device, address);
    return !held || *held != sent.at(address);
  };
  if (sent.contains(correction.gain) && sent.contains(correction.offset) &&
      (changes(correction.gain) || changes(correction.offset))) {
    comparison.differences.push_back(CorrectionDifference(device, sent, correction));
  }

  // Any other word the write sends, as it is: "no difference" must mean that the write would
  // change no word on the device.
  const std::vector<uint16_t> named = ProfileWordAddresses(model);
  const bool tables = config::IsTableLoadingDevice(model);
  for (const auto& [address, bytes] : sent) {
    const bool accounted = std::find(named.begin(), named.end(), address) != named.end() ||
                           address == correction.gain || address == correction.offset ||
                           (tables && address >= config::loading_memory::kSignalTableBase);
    if (accounted)
      continue;
    const auto held = WordAt(device, address);
    if (!held || *held != bytes)
      comparison.differences.push_back(WordDifference(address, held, bytes));
  }
  if (tables) {
    comparison.tables =
        TableImagesAgree(device, *written) ? TableComparison::kSame : TableComparison::kDifferent;
  }
  return comparison;
}

std::string TablesToolLine() {
  return "tables: differ";
}

std::string TablesWindowLine(TableComparison tables) {
  return tables == TableComparison::kDifferent ? QT_TRANSLATE_NOOP("Zelto", "таблицы: отличаются")
                                               : QT_TRANSLATE_NOOP("Zelto", "таблицы: совпадают");
}

}  // namespace zelto::keep
