#pragma once

#include "config/memory_words.h"
#include "config/write_plan.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace zelto::keep {

// The words that tell the unit a backup was taken from from another of its model, as the device
// held them before the write: the firmware version and date words, and the factory calibration
// words (calib::IdentityCalibrationWords), each in ascending address order.
struct UnitIdentity {
  std::vector<config::MemoryWord> firmware;
  std::vector<config::MemoryWord> calibration;

  bool operator==(const UnitIdentity&) const = default;
};

// What a write sequence was about to overwrite, kept so that it can be written back.
struct Backup {
  std::string id;    // unique, and the file's name: "20261207-141502-123-ttyUSB0-1"
  int model = 0;     // the device position the sequence wrote for
  std::string port;  // the port's device path
  std::string time;  // local time, ISO 8601 with milliseconds and the UTC offset
  config::WriteOperation operation = config::WriteOperation::kWrite;
  std::optional<std::uint8_t> action;  // the action code that closed the sequence
  // The sequence sent only the words whose value differed from what the device held: `after`
  // holds a part of its operation's words, in their order.
  bool changedOnly = false;
  std::vector<std::string> summary;        // the summary lines of what the device held
  std::vector<config::MemoryWord> before;  // the words as read, in write order
  std::vector<config::MemoryWord> after;   // the words written, at the same addresses in that order
  std::optional<UnitIdentity> unit;        // absent in the files of earlier versions

  bool operator==(const Backup&) const = default;
};

inline constexpr int kBackupVersion = 1;

// The backup file: UTF-8 JSON with the keys in the order a reader looks for them, one word a
// line, the word's four bytes as lower-case hex in wire order.
std::string BackupToJson(const Backup& backup);

// A backup file's contents, or why they are none: not JSON, another format, a newer version,
// or a key that is missing or holds what it may not (a unit whose words are not the model's
// identity words among them). What the words are is for BackupPlanFault to judge.
std::variant<Backup, std::string> BackupFromJson(std::span<const char> bytes);

// Whether an id is one the program could have given: letters, digits, '-', '_' and '.', not
// starting with a '.'; so that an id given by hand can only ever name a file of the folder.
bool IsBackupId(std::string_view id);

// The model as the file and --model name it: "dastra-2", "velmor-7", or the position as text.
std::string BackupModelName(int model);

}  // namespace zelto::keep
