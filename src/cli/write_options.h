#pragma once

#include "cli/cli_options.h"
#include "config/memory_words.h"
#include "keep/profile.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zelto::cli {

using keep::WholeRange;

// write --sensor CODE [--range LO..HI] [--output 0-5|0-20|4-20] [--linear-emf] [--cold-junction]
//       [--scheme 4|3|2] [--sqrt] [--sensor-break]
struct WriteOptions {
  int sensor = 0;
  std::optional<WholeRange> range;  // the sensor's full range when not given
  bool lineFunc = false;
  config::VelmorSwitches switches;  // outputRange is 4-20 unless --output says otherwise
};

// correct --sensor CODE --range LO..HI --t1 T --t2 T --i1 MA --i2 MA [--linear-emf]
struct CorrectOptions {
  int sensor = 0;
  WholeRange range;
  float t1 = 0;
  float t2 = 0;
  float i1 = 0;
  float i2 = 0;
  bool lineFunc = false;
};

// The reason is one line for standard error. Only what the window offers for the model and
// sensor is accepted: a code its sensor list lacks, a switch the window disables for the sensor,
// or a Velmor-7 setting on a table-loading model is refused here.
std::variant<WriteOptions, std::string> ParseWriteOptions(const OptionValues& values, int model);
std::variant<CorrectOptions, std::string> ParseCorrectOptions(const OptionValues& values,
                                                              int model);

}  // namespace zelto::cli
