#pragma once

#include "keep/profile.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelto::keep {

// A profile's value as the file and the tool write it ("-50..600", "4-20", "3", "true"), and as
// the window shows it in its lists ("-50...600", "(4...20)мА", "3-проводная", "включено"). A
// value outside its choices shows as its number ("code 7", "код 7").
std::string ToolValueText(ProfileKey key, const Profile& profile);
std::string WindowValueText(ProfileKey key, const Profile& profile);

// "датчика 30 нет в списке модели (0..20)": why a profile's sensor code is refused, for the
// tool's standard error in the interface's language.
std::string SensorNotListed(int sensor, int listSize);

// The choices in the tool's notation: "0-5", "0-20", "4-20" for the SetOutCurrent positions,
// "4", "3", "2" wires for the SetSheme positions.
std::optional<int> OutputNamed(std::string_view text);
std::optional<int> SchemeNamed(std::string_view text);
// The number of wires of a scheme position, as the file holds it; nothing beyond the choices.
std::optional<int> SchemeWires(int scheme);
std::optional<int> SchemeOfWires(int wires);

}  // namespace zelto::keep
