// A transmitter's configuration memory as the configurator's own write leaves it, for the tests
// of what reads a unit's words: the output check and the simulated bench.
#pragma once

#include "config/configuration_words.h"
#include "config/device_range.h"
#include "config/nominal_currents.h"
#include "config/sensor_selection.h"
#include "config/word_summary.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zelto::testing {

using UnitMemory = std::array<std::uint8_t, 512>;

struct UnitSetup {
  int model = config::kDeviceDastra2;
  int sensor = 8;
  int32_t low = 0;
  int32_t high = 100;
  bool linearEmf = false;
  int output = config::kOutput4To20;  // Velmor-7
};

inline void Put(UnitMemory& memory, const config::MemoryWord& word) {
  for (std::size_t i = 0; i < word.bytes.size(); ++i)
    memory.at(word.address + i) = word.bytes[i];
}

// The memory after a configuration write of the setup (with its cleared correction).
inline UnitMemory ConfiguredMemory(const UnitSetup& setup) {
  config::ConfigRecord record;
  config::SilentConfigView view;
  config::SetDeviceOrSensor(record, config::Selection::kDevice, setup.model, setup.output, view);
  config::SetDeviceOrSensor(record, config::Selection::kSensor, setup.sensor, setup.output, view);
  record.RngMin = setup.low;
  record.RngMax = setup.high;
  if (const auto output = config::OutputCurrentRange(setup.output);
      output && setup.model == config::kDeviceVelmor7) {
    record.CrnMix = output->low;
    record.CrtMax = output->high;
  }
  config::ComputeDeviceRangeWords(record, setup.linearEmf);
  config::VelmorSwitches switches;
  switches.outputRange = setup.output;
  const auto words = setup.model == config::kDeviceVelmor7
                         ? config::VelmorConfigurationWords(record, setup.linearEmf, switches)
                         : config::LoadingConfigurationWords(record, setup.linearEmf);
  UnitMemory memory{};
  for (const config::MemoryWord& word : words)
    Put(memory, word);
  return memory;
}

inline config::WordLookup WordsOf(const UnitMemory& memory) {
  return [memory](std::uint16_t address) -> std::optional<std::uint32_t> {
    if (address + 4u > memory.size())
      return std::nullopt;
    return static_cast<std::uint32_t>(memory[address] | memory[address + 1] << 8 |
                                      memory[address + 2] << 16 |
                                      static_cast<std::uint32_t>(memory[address + 3]) << 24);
  };
}

}  // namespace zelto::testing
