#pragma once

#include "config/config_record.h"
#include "config/config_view.h"
#include "config/write_settings.h"
#include "keep/profile.h"

#include <optional>
#include <string>
#include <vector>

namespace zelto::keep {

// A value the window's rules refused, kept where it was and listed for the user.
struct ProfileRefusal {
  std::string key;     // the profile key, as the file names it
  std::string value;   // the value as the file and the tool write it ("-50..2000")
  std::string reason;  // one line for the tool's standard error
};

// What a profile leaves besides the record: the controls the write reads, and what was refused.
struct ProfileApplication {
  bool lineFunc = false;
  config::VelmorSwitches switches;
  std::vector<ProfileRefusal> refused;
};

// Puts the profile into the record as the user's own choices would, each through the operation
// the window's handler runs: a fresh record for the model, the sensor, on Velmor-7 the output
// range through the current fields, then the range through the validated assignment. A value
// the rules refuse is listed and the rest still applied; a model or sensor the lists do not
// have is refused with the record left as it was.
ProfileApplication ApplyProfile(const Profile& profile, config::ConfigRecord& record,
                                config::ConfigView& view);

// The same, from the start-up record; the settings a write of the profile takes.
struct ProfileSettings {
  config::WriteSettings settings;
  std::vector<ProfileRefusal> refused;
};
ProfileSettings SettingsOfProfile(const Profile& profile, config::ConfigView& view);

// The steps of ApplyProfile, for the commands that take the same values another way.
// The model and the sensor, as the window's lists set them.
void SelectModelAndSensor(config::ConfigRecord& record, int model, int sensor, int outputRange,
                          config::ConfigView& view);
// The range as typed into RangeMin and RangeMax; the reason when the rules refuse it.
std::optional<std::string> AssignRange(config::ConfigRecord& record, const WholeRange& range,
                                       int outputRange, config::ConfigView& view);
// A click on the output range: its two current ends, then the nominal currents on its scale.
void AssignOutputRange(config::ConfigRecord& record, int outputRange, config::ConfigView& view);

}  // namespace zelto::keep
