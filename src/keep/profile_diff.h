#pragma once

#include "config/memory_words.h"
#include "config/write_settings.h"
#include "keep/device_profile.h"
#include "keep/profile.h"

#include <optional>
#include <string>
#include <vector>

namespace zelto::keep {

// One setting that differs, named and shown both as the tool prints it and as the window lists
// it.
struct FieldDifference {
  std::string field;        // "range", "word 24"
  std::string windowField;  // "диапазон", "слово 24"
  std::string device;       // the tool's texts of the two values
  std::string profile;
  std::string windowDevice;  // the window's
  std::string windowProfile;

  bool operator==(const FieldDifference&) const = default;
};

// "range: -50..600 → 0..600"
std::string ToolLine(const FieldDifference& difference);
// "диапазон: -50...600 → 0...600"
std::string WindowLine(const FieldDifference& difference);

// What differs between two profiles of one model, field by field in the order of ProfileKeys:
// the settings a configuration write of the model sends, the model itself aside. Ranges that a
// write turns into the same words are the same (linear from EMF, several whole degrees give one
// stored signal).
std::vector<FieldDifference> DiffProfiles(const Profile& device, const Profile& profile);

// The conversion tables of the table-loading models, seen as one thing.
enum class TableComparison {
  kNone,  // the model takes no tables
  kSame,
  kDifferent,
};

// Whether the device holds every table word the write would send, each address as the write
// leaves it (a later word at the same address replaces an earlier one). A word that was not read
// counts as different.
bool TableImagesAgree(const WordMap& device, const std::vector<config::MemoryWord>& writeWords);

struct DeviceComparison {
  // The fields, then each word of ProfileWordAddresses that no field accounts for, then the
  // range correction the write resets ("correction: Au=1.0123, Bu=-0.0456 → Au=1, Bu=0"), then
  // any other word the write would change.
  std::vector<FieldDifference> differences;
  TableComparison tables = TableComparison::kNone;

  bool Differs() const { return !differences.empty() || tables == TableComparison::kDifferent; }
};

// What a configuration write of the settings would change on the device whose words were read
// (every word the write sends, as the backup reads them): Differs() is false only when the write
// would leave every word as it is. A word that was not read counts as changed. Nothing for
// settings the write refuses.
std::optional<DeviceComparison> CompareWithDevice(const WordMap& device,
                                                  const config::WriteSettings& settings);

// "tables: differ" for the tool, which prints only what differs; "таблицы: совпадают" or
// "таблицы: отличаются" for the window, which shows the tables as one line either way.
std::string TablesToolLine();
std::string TablesWindowLine(TableComparison tables);

}  // namespace zelto::keep
