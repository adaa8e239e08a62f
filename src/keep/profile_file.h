#pragma once

#include "files/file_outcome.h"
#include "keep/profile.h"
#include "keep/profile_application.h"

#include <QJsonObject>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelto::keep {

// The profile file: a UTF-8 JSON object {"format": "zelto-profile", "version": 1, "model": ...,
// "sensor": ..., ...} holding the keys that apply to its model and sensor.
inline constexpr std::string_view kProfileFormat = "zelto-profile";
inline constexpr int kProfileVersion = 1;
// A profile takes a few hundred bytes.
inline constexpr std::size_t kLargestProfileFile = 64 * 1024;

// A file read as a profile. Values the tool would refuse as options are listed, the keys that
// are fine taken; a missing optional key keeps the window's start-up value.
struct ProfileText {
  Profile profile;
  std::vector<ProfileRefusal> refused;

  // False when the model or the sensor was refused: nothing else can be applied then.
  bool Applicable() const;
};

// Why a file holds no profile to apply at all.
enum class ProfileFileFault {
  kCannotOpen,    // no such file, or not a regular file
  kNotJson,       // not valid JSON
  kNotAProfile,   // another format, no object, or too large
  kNewerVersion,  // a version this program does not read
  kIncomplete,    // no version, model or sensor
};
struct ProfileFileError {
  ProfileFileFault fault;
  std::string reason;  // one line for the tool's standard error
};

std::variant<ProfileText, ProfileFileError> ParseProfile(std::span<const char> bytes);
// `path` is the file system's bytes, as they are.
std::variant<ProfileText, ProfileFileError> LoadProfile(const std::string& path);

// The model as a profile file and the tool's JSON name it: "dastra-2", or its position where it has
// no name.
QJsonValue ModelJson(int model);

// The keys of a profile file with their values, as the file holds them: those that apply to its
// model and sensor, and the range always; no format or version.
QJsonObject ProfileObject(const Profile& profile);

// The profile file's text, indented, with the keys that apply to its model and sensor (the
// others a file cannot hold, KeysAFileCannotHold) and the range always.
std::string ProfileJson(const Profile& profile);
// Saves through the safe save: an existing file is replaced only once the new one is whole.
files::FileOutcome SaveProfile(const std::string& path, const Profile& profile);

}  // namespace zelto::keep
