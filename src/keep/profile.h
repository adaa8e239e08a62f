#pragma once

#include "config/nominal_currents.h"
#include "config/write_settings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::keep {

// A measuring range in whole units, as the device stores it.
struct WholeRange {
  int32_t low = 0;
  int32_t high = 0;

  bool operator==(const WholeRange&) const = default;
};

// What the window's controls hold for one configuration, so that it can be kept in a file,
// written again and compared with a device. A range correction belongs to one unit and is not
// part of it. As a value it may hold any setting; a profile file holds only the keys that apply
// to the model and sensor (KeyApplies), the others being at their start-up values.
struct Profile {
  int model = config::kDeviceVelmor7;  // position in the device list
  int sensor = 0;                      // catalogue code
  std::optional<WholeRange> range;     // nothing: the sensor's full range
  bool linearEmf = false;              // LineFunc
  int output = config::kOutput4To20;   // SetOutCurrent position (Velmor-7)
  bool coldJunction = false;           // SetCoolJunk (Velmor-7)
  int scheme = 0;                      // SetSheme position: 0 four-wire, 1 three, 2 two (Velmor-7)
  bool squareRoot = false;             // SetSqrt (Velmor-7)
  bool sensorBreak = false;            // SetSensorBreak (Velmor-7)

  bool operator==(const Profile&) const = default;
};

// The keys of a profile file, in the order the file and every listing show them.
enum class ProfileKey {
  kModel,
  kSensor,
  kRange,
  kOutput,
  kLinearEmf,
  kColdJunction,
  kScheme,
  kSqrt,
  kSensorBreak,
};

std::span<const ProfileKey> ProfileKeys();
// The key as the file and the tool name it ("linear_emf"), and as the window names the setting
// in its lists ("линейная от ЭДС").
std::string_view KeyName(ProfileKey key);
std::string_view KeyWindowName(ProfileKey key);
std::optional<ProfileKey> KeyNamed(std::string_view name);

// Whether the window offers the key's setting for the model and sensor: the output range and the
// switches on Velmor-7 only, the linear-from-EMF flag and the cold junction for thermocouples,
// the wiring scheme for resistance inputs.
bool KeyApplies(ProfileKey key, int model, int sensor);

// The name the tool and the file give a model ("dastra-2"), or its position where it has none.
std::string ModelText(int model);
std::optional<int> ModelNamed(std::string_view name);

// What the window will save: its record and controls as a profile, the range set.
Profile ProfileFromSettings(const config::WriteSettings& settings);

// The keys whose values a profile file cannot hold: a setting the window does not offer for
// the model and sensor, left other than at its start-up value.
std::vector<ProfileKey> KeysAFileCannotHold(const Profile& profile);

// The sensor's full range when the profile names none; nothing for a sensor the catalogue lacks.
std::optional<WholeRange> EffectiveRange(const Profile& profile);

}  // namespace zelto::keep
