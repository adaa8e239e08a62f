// The configuration summary as the read command builds it from the words a device sends. The
// first byte chooses the record's device and the model selected in the list.
#include "config/read_summary.h"
#include "fuzz_check.h"
#include "fuzzed_line.h"

#include <array>
#include <cstdint>

namespace {

// Both families, and a device code of no model.
constexpr std::array<std::uint8_t, 4> kDevices{0, 1, 2, 7};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  using namespace zelto::fuzz;
  ByteStream line({data, size});
  const std::uint8_t choice = line.TakeByte();
  FuzzedLink bench(line);
  config::ConfigRecord record;
  record.Device = kDevices[choice % kDevices.size()];
  const int model = (choice >> 2) % 5 - 1;  // -1 .. 3: no model and one past the list as well
  const config::ConfigRecord before = record;

  const config::DeviceOutcome outcome =
      config::ReadSummary(bench.link, bench.reporter, record, model);
  ZELTO_FUZZ_CHECK(record == before);
  switch (outcome) {
    case config::DeviceOutcome::kDone:
      ZELTO_FUZZ_CHECK(bench.reporter.lastStatus == config::kStatusReadDone);
      ZELTO_FUZZ_CHECK(bench.reporter.memoLines >= 2);
      break;
    case config::DeviceOutcome::kNoModel:
      ZELTO_FUZZ_CHECK(record.Device == 7);
      break;
    default:
      ZELTO_FUZZ_CHECK(outcome == config::DeviceOutcome::kNoAnswer);
      break;
  }
  return 0;
}
