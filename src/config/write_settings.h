#pragma once

#include "config/config_record.h"
#include "config/memory_words.h"

#include <optional>
#include <vector>

namespace zelto::config {

// Everything a configuration write takes: the record, and the controls the window reads at the
// moment of writing.
struct WriteSettings {
  ConfigRecord record;
  bool lineFunc = false;
  VelmorSwitches switches;
};

// The words a configuration write of the settings sends, in order, with the range ends computed
// as the write computes them; nothing when the write would refuse the settings. The record's
// Device names the model.
std::optional<std::vector<MemoryWord>> ConfigurationWriteWords(const WriteSettings& settings);

// The addresses the words go to, each once, in the order they are first written.
std::vector<uint16_t> AddressesOf(const std::vector<MemoryWord>& words);

}  // namespace zelto::config
