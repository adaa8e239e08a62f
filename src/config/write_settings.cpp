#include "config/write_settings.h"

#include "config/configuration_words.h"
#include "config/device_range.h"
#include "config/nominal_currents.h"
#include "config/record_validation.h"

#include <algorithm>

namespace zelto::config {

std::optional<std::vector<MemoryWord>> ConfigurationWriteWords(const WriteSettings& settings) {
  ConfigRecord record = settings.record;
  const int model = record.Device;
  const bool velmor = model == kDeviceVelmor7;
  if (CheckRecord(record, model) != RecordFault::kNone ||
      (velmor && CheckVelmorSwitches(settings.switches) != RecordFault::kNone) ||
      !ComputeDeviceRangeWords(record, settings.lineFunc)) {
    return std::nullopt;
  }
  return velmor ? VelmorConfigurationWords(record, settings.lineFunc, settings.switches)
                : LoadingConfigurationWords(record, settings.lineFunc);
}

std::vector<uint16_t> AddressesOf(const std::vector<MemoryWord>& words) {
  std::vector<uint16_t> addresses;
  for (const MemoryWord& word : words) {
    if (std::find(addresses.begin(), addresses.end(), word.address) == addresses.end())
      addresses.push_back(word.address);
  }
  return addresses;
}

}  // namespace zelto::config
