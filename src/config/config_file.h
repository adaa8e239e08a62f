#pragma once

#include "config/config_record.h"
#include "link/translatable.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zelto::config {

enum class ConfigFileOutcome {
  kRead,        // all four records were read
  kCannotOpen,  // nothing changed
  kBadFormat,   // a record was missing or malformed; the others were stored. Or the file was
                // larger than any configuration file, and nothing was stored
};

// Four short records take a few dozen bytes; the labels, which the format limits to 11
// characters, may be longer in files people write, but not by this much.
inline constexpr std::size_t kLargestConfigFile = 64 * 1024;

// The message boxes the window shows for the outcomes.
inline constexpr std::string_view kConfigFileOpenError = "Error file Open";
inline constexpr std::string_view kConfigFileFormatError =
    QT_TRANSLATE_NOOP("status", "Неверный формат входного файла!");

// Loads the configuration text file: four records, each a label word (any length, ignored)
// and a value, separated by any white space: the device code and the sensor code as integers,
// stored as their low byte, then the two range ends as reals, truncated toward zero. A record
// that does not read leaves its field alone and the reading goes on after it. Nothing else of
// the record changes and nothing is recomputed. Once the file is open, the caller shows the
// configuration dump, after it has told the user of a bad format. What is no regular file (a
// folder, a pipe, a device) cannot be opened and is not waited on; a file larger than
// kLargestConfigFile is refused as a bad format before a record is read.
ConfigFileOutcome ReadNameF(const std::string& path, ConfigRecord& record);

}  // namespace zelto::config
