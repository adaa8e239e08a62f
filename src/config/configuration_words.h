#pragma once

#include "config/config_record.h"
#include "config/memory_words.h"

#include <vector>

namespace zelto::config {

// The words of a complete configuration write, in the order the device takes them, with the
// range ends as DevRngMin and DevRngMax hold them (ComputeDeviceRangeWords first).

// Table-loading models: input and state words, range and output words, a cleared correction,
// the three conversion tables, and the end marker last.
std::vector<MemoryWord> LoadingConfigurationWords(const ConfigRecord& record, bool lineFunc);

// Velmor-7: the switch words, the state word, range and output words and a cleared correction.
std::vector<MemoryWord> VelmorConfigurationWords(const ConfigRecord& record, bool lineFunc,
                                                 const VelmorSwitches& switches);

// Words 84 and 88 of the table-loading models: the correction gain and offset.
std::vector<MemoryWord> CorrectionWords(float au, float bu);

}  // namespace zelto::config
