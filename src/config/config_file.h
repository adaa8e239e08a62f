#pragma once

#include "config/config_record.h"
#include "config/config_view.h"

#include <string>
#include <string_view>

namespace zelto::config {

enum class ConfigFileOutcome {
  kRead,        // all four records were read
  kCannotOpen,  // nothing changed
  kBadFormat,   // a record was missing or malformed; the others were stored
};

// The message boxes the window shows for the outcomes.
inline constexpr std::string_view kConfigFileOpenError = "Error file Open";
inline constexpr std::string_view kConfigFileFormatError = "Неверный формат входного файла!";

// Loads the configuration text file: four records, each a label word (any length, ignored)
// and a value, separated by any white space: the device code and the sensor code as integers,
// stored as their low byte, then the two range ends as reals, truncated toward zero. A record
// that does not read leaves its field alone and the reading goes on after it. Nothing else of
// the record changes and nothing is recomputed; once the file is open, the configuration dump
// follows.
ConfigFileOutcome ReadNameF(const std::string& path, ConfigRecord& record, ConfigView& view);

}  // namespace zelto::config
