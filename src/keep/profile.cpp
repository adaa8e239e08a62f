#include "keep/profile.h"

#include "config/sensor_catalogue.h"
#include "link/translatable.h"

#include <algorithm>
#include <array>

namespace zelto::keep {
namespace {

struct KeyNames {
  ProfileKey key;
  std::string_view name;
  std::string_view windowName;
};

constexpr std::array kKeyNames{
    KeyNames{ProfileKey::kModel, "model", QT_TRANSLATE_NOOP("Zelto", "модель")},
    KeyNames{ProfileKey::kSensor, "sensor", QT_TRANSLATE_NOOP("Zelto", "датчик")},
    KeyNames{ProfileKey::kRange, "range", QT_TRANSLATE_NOOP("Zelto", "диапазон")},
    KeyNames{ProfileKey::kOutput, "output", QT_TRANSLATE_NOOP("Zelto", "выход")},
    KeyNames{ProfileKey::kLinearEmf, "linear_emf", QT_TRANSLATE_NOOP("Zelto", "линейная от ЭДС")},
    KeyNames{ProfileKey::kColdJunction, "cold_junction",
             QT_TRANSLATE_NOOP("Zelto", "компенсация холодного спая")},
    KeyNames{ProfileKey::kScheme, "scheme", QT_TRANSLATE_NOOP("Zelto", "схема подключения")},
    KeyNames{ProfileKey::kSqrt, "sqrt", QT_TRANSLATE_NOOP("Zelto", "корнеизвлечение")},
    KeyNames{ProfileKey::kSensorBreak, "sensor_break", QT_TRANSLATE_NOOP("Zelto", "обрыв датчика")},
};

constexpr std::array kKeys{
    ProfileKey::kModel,  ProfileKey::kSensor,    ProfileKey::kRange,
    ProfileKey::kOutput, ProfileKey::kLinearEmf, ProfileKey::kColdJunction,
    ProfileKey::kScheme, ProfileKey::kSqrt,      ProfileKey::kSensorBreak,
};

constexpr std::array<std::string_view, 3> kModelNames{"", "dastra-2", "velmor-7"};

// The sensor 0..320 Ω is a resistance too, and takes a wiring scheme like the thermometers.
constexpr int kResistanceInput = config::kSensorCount - 1;

const KeyNames& NamesOf(ProfileKey key) {
  return *std::find_if(kKeyNames.begin(), kKeyNames.end(),
                       [key](const KeyNames& names) { return names.key == key; });
}

bool IsThermocouple(int sensor) {
  const auto info = config::LookupSensor(sensor);
  return info && info->sensorClass == config::SensorClass::kThermocouple;
}

bool TakesScheme(int sensor) {
  const auto info = config::LookupSensor(sensor);
  return info &&
         (info->sensorClass == config::SensorClass::kResistance || sensor == kResistanceInput);
}

// Whether the value differs from the one the window starts with.
bool DiffersFromStart(const Profile& profile, ProfileKey key) {
  const Profile start;
  switch (key) {
    case ProfileKey::kOutput:
      return profile.output != start.output;
    case ProfileKey::kLinearEmf:
      return profile.linearEmf != start.linearEmf;
    case ProfileKey::kColdJunction:
      return profile.coldJunction != start.coldJunction;
    case ProfileKey::kScheme:
      return profile.scheme != start.scheme;
    case ProfileKey::kSqrt:
      return profile.squareRoot != start.squareRoot;
    case ProfileKey::kSensorBreak:
      return profile.sensorBreak != start.sensorBreak;
    case ProfileKey::kModel:
    case ProfileKey::kSensor:
    case ProfileKey::kRange:
      break;
  }
  return false;
}

}  // namespace

std::span<const ProfileKey> ProfileKeys() {
  return kKeys;
}

std::string_view KeyName(ProfileKey key) {
  return NamesOf(key).name;
}

std::string_view KeyWindowName(ProfileKey key) {
  return NamesOf(key).windowName;
}

std::optional<ProfileKey> KeyNamed(std::string_view name) {
  for (const KeyNames& names : kKeyNames) {
    if (names.name == name)
      return names.key;
  }
  return std::nullopt;
}

bool KeyApplies(ProfileKey key, int model, int sensor) {
  const bool velmor = model == config::kDeviceVelmor7;
  switch (key) {
    case ProfileKey::kModel:
    case ProfileKey::kSensor:
    case ProfileKey::kRange:
      return true;
    case ProfileKey::kLinearEmf:
      return IsThermocouple(sensor);
    case ProfileKey::kColdJunction:
      return velmor && IsThermocouple(sensor);
    case ProfileKey::kScheme:
      return velmor && TakesScheme(sensor);
    case ProfileKey::kOutput:
    case ProfileKey::kSqrt:
    case ProfileKey::kSensorBreak:
      return velmor;
  }
  return false;
}

std::string ModelText(int model) {
  if (model >= 0 && model < static_cast<int>(kModelNames.size()) &&
      !kModelNames[static_cast<std::size_t>(model)].empty()) {
    return std::string(kModelNames[static_cast<std::size_t>(model)]);
  }
  return std::to_string(model);
}

std::optional<int> ModelNamed(std::string_view name) {
  for (std::size_t i = 0; i < kModelNames.size(); ++i) {
    if (!name.empty() && kModelNames[i] == name)
      return static_cast<int>(i);
  }
  return std::nullopt;
}

Profile ProfileFromSettings(const config::WriteSettings& settings) {
  const config::ConfigRecord& record = settings.record;
  Profile profile;
  profile.model = record.Device;
  profile.sensor = record.Sensor;
  profile.range = WholeRange{record.RngMin, record.RngMax};
  profile.linearEmf = settings.lineFunc;
  if (record.Device == config::kDeviceVelmor7) {
    const config::VelmorSwitches& switches = settings.switches;
    profile.output = switches.outputRange;
    profile.coldJunction = switches.coldJunction;
    profile.scheme = switches.scheme;
    profile.squareRoot = switches.squareRoot;
    profile.sensorBreak = switches.sensorBreak;
  }
  return profile;
}

std::vector<ProfileKey> KeysAFileCannotHold(const Profile& profile) {
  std::vector<ProfileKey> keys;
  for (const ProfileKey key : kKeys) {
    if (!KeyApplies(key, profile.model, profile.sensor) && DiffersFromStart(profile, key))
      keys.push_back(key);
  }
  return keys;
}

std::optional<WholeRange> EffectiveRange(const Profile& profile) {
  if (profile.range)
    return profile.range;
  const auto sensor = config::LookupSensor(profile.sensor);
  if (!sensor)
    return std::nullopt;
  return WholeRange{sensor->LimMin, sensor->LimMax};
}

}  // namespace zelto::keep
