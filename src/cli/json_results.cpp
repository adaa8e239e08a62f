#include "cli/json_results.h"

#include "calib/calibration_layout.h"
#include "cli/output.h"
#include "config/memory_map.h"
#include "config/summary_lines.h"
#include "keep/profile_file.h"
#include "link/monitor_csv.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zelto::cli {
namespace {

QString Hex(const std::array<std::uint8_t, 4>& bytes) {
  return JsonText(keep::WordHex(bytes));
}

}  // namespace

QJsonValue JsonNumber(float value) {
  if (!std::isfinite(value))
    return QJsonValue();
  // 1.02338 stays 1.02338 rather than the 1.0233800411224365 its double would print.
  std::array<char, 32> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size() - 1, value);
  *written.ptr = '\0';
  return std::strtod(text.data(), nullptr);
}

QJsonArray LinesArray(const std::vector<std::string>& lines) {
  QJsonArray array;
  for (const std::string& line : lines)
    array.append(JsonText(line));
  return array;
}

std::vector<std::uint16_t> FirmwareAddresses() {
  return {config::kFirmwareVersionWord, config::kFirmwareDateWord};
}

std::vector<std::uint16_t> ConfigurationAddresses(int model) {
  std::vector<std::uint16_t> addresses = FirmwareAddresses();
  const auto profile = keep::ProfileWordAddresses(model);
  addresses.insert(addresses.end(), profile.begin(), profile.end());
  return addresses;
}

std::optional<std::uint32_t> WordValue(const keep::WordMap& words, std::uint16_t address) {
  const auto found = words.find(address);
  if (found == words.end())
    return std::nullopt;
  const auto& bytes = found->second;
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void AddFirmware(QJsonObject& object, int model, const keep::WordMap& words) {
  if (const auto version = WordValue(words, config::kFirmwareVersionWord))
    object.insert("firmware", JsonText(config::FirmwareVersionText(model, *version)));
  if (const auto date = WordValue(words, config::kFirmwareDateWord))
    object.insert("firmware_date", JsonText(config::FirmwareDateIso(*date)));
}

void AddConfiguration(QJsonObject& object, int model, const keep::WordMap& words) {
  const keep::DeviceProfile decoded = keep::DecodeDeviceProfile(model, words);
  object.insert("model", keep::ModelJson(model));
  object.insert("configured", decoded.configured);
  if (!decoded.configured)
    return;
  const QJsonObject settings = keep::ProfileObject(decoded.profile);
  for (auto key = settings.begin(); key != settings.end(); ++key)
    object.insert(key.key(), key.value());
  object.insert("sensor_name", JsonText(config::SensorName(decoded.profile.sensor)));
}

QJsonObject CalibrationObject(const calib::CalibBlock& block, int model) {
  const auto layout = calib::LayoutForModel(model);
  QJsonArray gains;
  QJsonArray offsets;
  QJsonArray references;
  if (layout) {
    for (std::size_t i = 0; i + 1 < layout->pairWords.size(); i += 2) {
      gains.append(JsonNumber(block.Pairs[i]));
      offsets.append(JsonNumber(block.Pairs[i + 1]));
    }
    for (int k = 0; k < 2 * layout->referenceWords && k < static_cast<int>(block.Ref.size()); ++k)
      references.append(block.Ref[static_cast<std::size_t>(k)]);
  }
  return {{"gains", gains}, {"offsets", offsets}, {"references", references}};
}

QJsonObject BackupObject(const keep::Backup& backup) {
  return {
      {"id", JsonText(backup.id)},
      {"time", JsonText(backup.time)},
      {"model", keep::ModelJson(backup.model)},
      {"port", JsonText(backup.port)},
      {"operation", JsonText(config::OperationName(backup.operation))},
      {"action", backup.action ? QJsonValue(static_cast<int>(*backup.action)) : QJsonValue()},
      {"summary", LinesArray(backup.summary)},
  };
}

QJsonArray MismatchesArray(const std::vector<keep::WordMismatch>& mismatches) {
  QJsonArray array;
  for (const keep::WordMismatch& mismatch : mismatches) {
    array.append(QJsonObject{{"address", mismatch.address},
                             {"written", Hex(mismatch.written)},
                             {"read", Hex(mismatch.held)}});
  }
  return array;
}

QJsonObject MonitorObject(std::chrono::system_clock::time_point start, const MonitorCycle& cycle) {
  QJsonObject values;
  for (const MonitorReading& reading : cycle.readings) {
    std::array<char, 8> name{};
    std::snprintf(name.data(), name.size(), "0x%04X", static_cast<unsigned>(reading.address));
    values.insert(name.data(), reading.value ? QJsonValue(*reading.value) : QJsonValue());
  }
  return {{"time", JsonText(LocalIsoTime(start))}, {"values", values}};
}

}  // namespace zelto::cli
