#include "keep/profile_texts.h"

#include "config/summary_lines.h"
#include "link/status_translation.h"
#include "link/translatable.h"

#include <array>

namespace zelto::keep {
namespace {

constexpr std::array<std::string_view, 3> kOutputs{"0-5", "0-20", "4-20"};  // SetOutCurrent
constexpr std::array<int, 3> kSchemeWires{4, 3, 2};                         // SetSheme

template <class Table>
std::optional<int> PositionOf(const Table& table, const typename Table::value_type& value) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i] == value)
      return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string ToolOutputText(int output) {
  if (output < 0 || output >= static_cast<int>(kOutputs.size()))
    return "code " + std::to_string(output);
  return std::string(kOutputs[static_cast<std::size_t>(output)]);
}

std::string ToolSchemeText(int scheme) {
  const auto wires = SchemeWires(scheme);
  return wires ? std::to_string(*wires) : "code " + std::to_string(scheme);
}

std::string RangeText(const Profile& profile, std::string_view dots) {
  const auto range = EffectiveRange(profile);
  if (!range)
    return "?";
  return std::to_string(range->low) + std::string(dots) + std::to_string(range->high);
}

}  // namespace

std::string SensorNotListed(int sensor, int listSize) {
  return ToolText(QT_TRANSLATE_NOOP("cli", "датчика %1 нет в списке модели (0..%2)"),
                  {std::to_string(sensor), std::to_string(listSize - 1)});
}

std::optional<int> OutputNamed(std::string_view text) {
  return PositionOf(kOutputs, text);
}

std::optional<int> SchemeNamed(std::string_view text) {
  for (std::size_t i = 0; i < kSchemeWires.size(); ++i) {
    if (text == std::to_string(kSchemeWires[i]))
      return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> SchemeWires(int scheme) {
  if (scheme < 0 || scheme >= static_cast<int>(kSchemeWires.size()))
    return std::nullopt;
  return kSchemeWires[static_cast<std::size_t>(scheme)];
}

std::optional<int> SchemeOfWires(int wires) {
  return PositionOf(kSchemeWires, wires);
}

std::string ToolValueText(ProfileKey key, const Profile& profile) {
  switch (key) {
    case ProfileKey::kModel:
      return ModelText(profile.model);
    case ProfileKey::kSensor:
      return std::to_string(profile.sensor);
    case ProfileKey::kRange:
      return RangeText(profile, "..");
    case ProfileKey::kOutput:
      return ToolOutputText(profile.output);
    case ProfileKey::kLinearEmf:
      return profile.linearEmf ? "true" : "false";
    case ProfileKey::kColdJunction:
      return profile.coldJunction ? "true" : "false";
    case ProfileKey::kScheme:
      return ToolSchemeText(profile.scheme);
    case ProfileKey::kSqrt:
      return profile.squareRoot ? "true" : "false";
    case ProfileKey::kSensorBreak:
      return profile.sensorBreak ? "true" : "false";
  }
  return {};
}

std::string WindowValueText(ProfileKey key, const Profile& profile) {
  switch (key) {
    case ProfileKey::kModel:
      return std::string(config::ModelName(profile.model));
    case ProfileKey::kSensor:
      return config::SensorName(profile.sensor);
    case ProfileKey::kRange:
      return RangeText(profile, "...");
    case ProfileKey::kOutput:
      return config::OutputRangeName(profile.output);
    case ProfileKey::kLinearEmf:
      return config::SwitchStateName(profile.linearEmf);
    case ProfileKey::kColdJunction:
      return config::SwitchStateName(profile.coldJunction);
    case ProfileKey::kScheme:
      return config::SchemeName(profile.scheme);
    case ProfileKey::kSqrt:
      return config::SwitchStateName(profile.squareRoot);
    case ProfileKey::kSensorBreak:
      return config::SwitchStateName(profile.sensorBreak);
  }
  return {};
}

}  // namespace zelto::keep
