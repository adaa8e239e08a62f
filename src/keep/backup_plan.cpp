#include "keep/backup_plan.h"

#include "calib/calib_block.h"
#include "calib/calibration_words.h"
#include "config/config_view.h"
#include "config/configuration_plans.h"
#include "config/memory_map.h"
#include "config/nominal_currents.h"
#include "config/record_validation.h"
#include "config/sensor_selection.h"
#include "config/write_settings.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace zelto::keep {
namespace {

using config::MemoryWord;
using config::WriteOperation;

constexpr std::uint8_t kLinearFromEmfBit = 0x80;
constexpr int kOutputRange = 2;  // 4-20 mA; the range words' place does not depend on it

// What a plan writes, as a backup holds it: each address once, where first written, and the
// closing action.
struct PlanShape {
  std::vector<std::uint16_t> addresses;
  std::optional<std::uint8_t> action;
};

PlanShape ShapeOf(const config::WritePlan& plan) {
  return {config::AddressesOf(plan.words), plan.action};
}

struct Configuration {
  int sensor = 0;
  bool linear = false;

  bool operator==(const Configuration&) const = default;
};

// The configuration a state word describes, when it names a sensor of the model's list.
std::optional<Configuration> DescribedBy(const std::vector<MemoryWord>& words, int model) {
  const std::uint16_t stateWord = model == config::kDeviceVelmor7
                                      ? config::velmor_memory::kStateWord
                                      : config::loading_memory::kStateWord;
  const auto state = std::find_if(words.begin(), words.end(), [&](const MemoryWord& word) {
    return word.address == stateWord;
  });
  if (state == words.end())
    return std::nullopt;
  const int sensor = state->bytes[0] & ~kLinearFromEmfBit;
  if (sensor >= config::SensorListSize(model))
    return std::nullopt;
  return Configuration{sensor, (state->bytes[0] & kLinearFromEmfBit) != 0};
}

PlanShape ConfigurationShape(int model, const Configuration& configuration) {
  config::ConfigRecord record;
  config::SilentConfigView view;
  config::SetDeviceOrSensor(record, config::Selection::kDevice, model, kOutputRange, view);
  config::SetDeviceOrSensor(record, config::Selection::kSensor, configuration.sensor, kOutputRange,
                            view);
  return ShapeOf(config::ConfigurationWritePlan(record, model, configuration.linear, {}));
}

// The configuration writes whose plan a backup may follow: of the configurations the words
// describe or, where none of them describes one (a part of a plan may leave out the state word),
// of every sensor of the model, with and without the linear flag.
std::vector<PlanShape> ConfigurationShapes(int model,
                                           const std::vector<const std::vector<MemoryWord>*>& by) {
  std::vector<Configuration> configurations;
  for (const auto* words : by) {
    const auto described = DescribedBy(*words, model);
    if (described && std::find(configurations.begin(), configurations.end(), *described) ==
                         configurations.end()) {
      configurations.push_back(*described);
    }
  }
  if (configurations.empty()) {
    for (int sensor = 0; sensor < config::SensorListSize(model); ++sensor) {
      for (const bool linear : {false, true})
        configurations.push_back({sensor, linear});
    }
  }
  std::vector<PlanShape> shapes;
  for (const Configuration& configuration : configurations)
    shapes.push_back(ConfigurationShape(model, configuration));
  return shapes;
}

std::vector<PlanShape> ShapesOf(WriteOperation operation, const Backup& backup) {
  const int model = backup.model;
  switch (operation) {
    case WriteOperation::kWrite:
      return ConfigurationShapes(model, {&backup.after});
    case WriteOperation::kCorrect:
    case WriteOperation::kResetCorrection:
      return {ShapeOf(
          config::CorrectionPlan(operation, model, calib::kNeutralGain, calib::kNeutralOffset))};
    case WriteOperation::kCalibWrite:
    case WriteOperation::kCalibClear:
    case WriteOperation::kCalibClearFull: {
      const auto plan = operation == WriteOperation::kCalibWrite
                            ? calib::CalibrationWritePlan(calib::CalibBlock{}, model)
                        : operation == WriteOperation::kCalibClear
                            ? calib::CalibrationClearPlan(model)
                            : calib::CalibrationClearFullPlan(model);
      return plan ? std::vector<PlanShape>{ShapeOf(*plan)} : std::vector<PlanShape>{};
    }
    case WriteOperation::kRestore: {
      // What the restore wrote back is what its own backup found: the configuration its
      // words describe may be the one written before (`after`) or the one undone (`before`).
      std::vector<PlanShape> shapes = ConfigurationShapes(model, {&backup.after, &backup.before});
      for (const WriteOperation other :
           {WriteOperation::kCorrect, WriteOperation::kResetCorrection, WriteOperation::kCalibWrite,
            WriteOperation::kCalibClear, WriteOperation::kCalibClearFull}) {
        const auto more = ShapesOf(other, backup);
        shapes.insert(shapes.end(), more.begin(), more.end());
      }
      return shapes;
    }
  }
  return {};
}

// The words in the plan's order: all of them, or with changedOnly any part of them.
bool Follows(const std::vector<std::uint16_t>& addresses, const std::vector<std::uint16_t>& plan,
             bool changedOnly) {
  if (!changedOnly)
    return addresses == plan;
  auto next = plan.begin();
  for (const std::uint16_t address : addresses) {
    next = std::find(next, plan.end(), address);
    if (next == plan.end())
      return false;
    ++next;
  }
  return true;
}

std::string ActionText(std::optional<std::uint8_t> action) {
  if (!action)
    return "no action";
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "action 0x%02X", static_cast<unsigned>(*action));
  return text.data();
}

// Where the backup leaves the plan, for the user who edited it.
std::string Departure(const std::vector<std::uint16_t>& addresses, const PlanShape& plan,
                      const std::optional<std::uint8_t>& action, bool changedOnly,
                      const std::string& operation) {
  for (const std::uint16_t address : addresses) {
    if (std::find(plan.addresses.begin(), plan.addresses.end(), address) == plan.addresses.end())
      return "word " + std::to_string(address) + " is not one that " + operation + " writes";
  }
  if (!Follows(addresses, plan.addresses, true))
    return "its words are not in the order " + operation + " writes them";
  if (!changedOnly) {
    for (const std::uint16_t address : plan.addresses) {
      if (std::find(addresses.begin(), addresses.end(), address) == addresses.end())
        return "word " + std::to_string(address) + ", which " + operation + " writes, is missing";
    }
  }
  if (action != plan.action)
    return operation + " closes with " + ActionText(plan.action) + ", not " + ActionText(action);
  return "its words are not those " + operation + " writes";
}

}  // namespace

std::optional<std::string> BackupPlanFault(const Backup& backup) {
  const std::vector<std::uint16_t> addresses = config::AddressesOf(backup.after);
  const std::vector<PlanShape> shapes = ShapesOf(backup.operation, backup);
  for (const PlanShape& shape : shapes) {
    if (shape.action == backup.action && Follows(addresses, shape.addresses, backup.changedOnly))
      return std::nullopt;
  }
  const std::string operation = "\"" + std::string(config::OperationName(backup.operation)) + "\"";
  if (shapes.empty())
    return "the configuration it names is none that " + operation + " writes on this model";
  if (backup.operation == WriteOperation::kRestore)
    return "its words and action are not those of any operation on this model";
  return Departure(addresses, shapes.front(), backup.action, backup.changedOnly, operation);
}

}  // namespace zelto::keep
