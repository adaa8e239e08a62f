// The configuration text file as a user may hand it over.
#include "config/config_file.h"
#include "fuzz_check.h"
#include "scratch_file.h"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace zelto::config;

// The four records as a person would write them.
std::string ConfigText(const ConfigRecord& record) {
  return "Device " + std::to_string(record.Device) + "\nSensor " + std::to_string(record.Sensor) +
         "\nRngMin " + std::to_string(record.RngMin) + "\nRngMax " + std::to_string(record.RngMax) +
         "\n";
}

// Range ends are read as reals: beyond 2^24 a float no longer holds every whole number.
bool ExactInFloat(std::int32_t value) {
  return std::abs(static_cast<std::int64_t>(value)) <= (1 << 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const zelto::fuzz::ScratchFile file;
  ConfigRecord record;
  const ConfigRecord before = record;
  const ConfigFileOutcome outcome = ReadNameF(file.Write({data, size}), record);
  ZELTO_FUZZ_CHECK(outcome != ConfigFileOutcome::kCannotOpen);
  // Only the four fields of the file change.
  ConfigRecord rest = record;
  rest.Device = before.Device;
  rest.Sensor = before.Sensor;
  rest.RngMin = before.RngMin;
  rest.RngMax = before.RngMax;
  ZELTO_FUZZ_CHECK(rest == before);

  if (outcome == ConfigFileOutcome::kRead && ExactInFloat(record.RngMin) &&
      ExactInFloat(record.RngMax)) {
    ConfigRecord again;
    ZELTO_FUZZ_CHECK(ReadNameF(file.Write(ConfigText(record)), again) == ConfigFileOutcome::kRead);
    ZELTO_FUZZ_CHECK(again == record);
  }
  return 0;
}
