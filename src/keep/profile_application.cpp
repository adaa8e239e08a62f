#include "keep/profile_application.h"

#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "config/record_validation.h"
#include "config/sensor_selection.h"
#include "keep/profile_texts.h"

namespace zelto::keep {
namespace {

constexpr int kSchemeCount = 3;

ProfileRefusal Refusal(ProfileKey key, const Profile& profile, std::string reason) {
  return {std::string(KeyName(key)), ToolValueText(key, profile), std::move(reason)};
}

std::string RangeRefusal(const WholeRange& range, const config::ConfigRecord& record) {
  return "range " + std::to_string(range.low) + ".." + std::to_string(range.high) +
         " is refused: sensor " + std::to_string(record.Sensor) + " takes LO below HI within " +
         std::to_string(record.LimMin) + ".." + std::to_string(record.LimMax);
}

}  // namespace

void SelectModelAndSensor(config::ConfigRecord& record, int model, int sensor, int outputRange,
                          config::ConfigView& view) {
  config::ResetConfig(record);
  config::SetDeviceOrSensor(record, config::Selection::kDevice, model, outputRange, view);
  config::SetDeviceOrSensor(record, config::Selection::kSensor, sensor, outputRange, view);
}

std::optional<std::string> AssignRange(config::ConfigRecord& record, const WholeRange& range,
                                       int outputRange, config::ConfigView& view) {
  // The low end first: from the full range, every pair the rules accept gets through this way.
  config::AssignField(record, config::kQuantityRangeMin, static_cast<float>(range.low), outputRange,
                      view);
  config::AssignField(record, config::kQuantityRangeMax, static_cast<float>(range.high),
                      outputRange, view);
  if (record.RngMin != range.low || record.RngMax != range.high)
    return RangeRefusal(range, record);
  return std::nullopt;
}

void AssignOutputRange(config::ConfigRecord& record, int outputRange, config::ConfigView& view) {
  const auto currents = config::OutputCurrentRange(outputRange);
  if (!currents)
    return;
  config::AssignField(record, config::kQuantityCurrentMin, static_cast<float>(currents->low),
                      outputRange, view);
  config::AssignField(record, config::kQuantityCurrentMax, static_cast<float>(currents->high),
                      outputRange, view);
  config::ComputeNominalCurrents(record, true, outputRange, view);
}

ProfileApplication ApplyProfile(const Profile& profile, config::ConfigRecord& record,
                                config::ConfigView& view) {
  ProfileApplication result;
  const int listSize = config::SensorListSize(profile.model);
  if (listSize == 0) {
    result.refused.push_back(Refusal(ProfileKey::kModel, profile, "no such model (0, 1 or 2)"));
    return result;
  }
  if (profile.sensor < 0 || profile.sensor >= listSize) {
    result.refused.push_back(Refusal(ProfileKey::kSensor, profile,
                                     "sensor " + std::to_string(profile.sensor) +
                                         " is not in the model's list (0.." +
                                         std::to_string(listSize - 1) + ")"));
    return result;
  }
  const bool velmor = profile.model == config::kDeviceVelmor7;
  int output = profile.output;
  if (velmor && !config::OutputCurrentRange(output)) {
    result.refused.push_back(Refusal(ProfileKey::kOutput, profile, "no such output range"));
    output = Profile{}.output;
  }
  SelectModelAndSensor(record, profile.model, profile.sensor, output, view);
  if (velmor)
    AssignOutputRange(record, output, view);
  if (profile.range) {
    if (auto reason = AssignRange(record, *profile.range, output, view))
      result.refused.push_back(Refusal(ProfileKey::kRange, profile, std::move(*reason)));
  }

  result.lineFunc = profile.linearEmf;
  result.switches = {profile.coldJunction, profile.scheme, profile.squareRoot, output,
                     profile.sensorBreak};
  if (profile.scheme < 0 || profile.scheme >= kSchemeCount) {
    result.refused.push_back(Refusal(ProfileKey::kScheme, profile, "no such wiring scheme"));
    result.switches.scheme = Profile{}.scheme;
  }
  return result;
}

ProfileSettings SettingsOfProfile(const Profile& profile, config::ConfigView& view) {
  ProfileSettings result;
  ProfileApplication applied = ApplyProfile(profile, result.settings.record, view);
  result.settings.lineFunc = applied.lineFunc;
  result.settings.switches = applied.switches;
  result.refused = std::move(applied.refused);
  return result;
}

}  // namespace zelto::keep
