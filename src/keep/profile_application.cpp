#include "keep/profile_application.h"

#include "config/field_assignment.h"
#include "config/nominal_currents.h"
#include "config/record_validation.h"
#include "config/sensor_selection.h"
#include "keep/profile_texts.h"
#include "link/status_translation.h"
#include "link/translatable.h"

namespace zelto::keep {
namespace {

constexpr int kSchemeCount = 3;

ProfileRefusal Refusal(ProfileKey key, const Profile& profile, std::string reason) {
  return {std::string(KeyName(key)), ToolValueText(key, profile), std::move(reason)};
}

std::string RangeRefusal(const WholeRange& range, const config::ConfigRecord& record) {
  return ToolText(
      QT_TRANSLATE_NOOP("cli",
                        "диапазон %1..%2 не принят: датчик %3 берёт LO ниже "
                        "HI в пределах %4..%5"),
      {std::to_string(range.low), std::to_string(range.high), std::to_string(record.Sensor),
       std::to_string(record.LimMin), std::to_string(record.LimMax)});
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
    result.refused.push_back(
        Refusal(ProfileKey::kModel, profile,
                ToolText(QT_TRANSLATE_NOOP("cli", "такой модели нет (0, 1 или 2)"))));
    return result;
  }
  if (profile.sensor < 0 || profile.sensor >= listSize) {
    result.refused.push_back(
        Refusal(ProfileKey::kSensor, profile, SensorNotListed(profile.sensor, listSize)));
    return result;
  }
  const bool velmor = profile.model == config::kDeviceVelmor7;
  int output = profile.output;
  if (velmor && !config::OutputCurrentRange(output)) {
    result.refused.push_back(
        Refusal(ProfileKey::kOutput, profile,
                ToolText(QT_TRANSLATE_NOOP("cli", "такого диапазона выхода нет"))));
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
    result.refused.push_back(
        Refusal(ProfileKey::kScheme, profile,
                ToolText(QT_TRANSLATE_NOOP("cli", "такой схемы подключения нет"))));
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
