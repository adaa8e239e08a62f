// The calibration read: the pairs and reference values a device sends, shown in the memo. The
// first byte chooses the model and whether the calibration display is visible.
#include "calib/calibration_display.h"
#include "calib/calibration_transfers.h"
#include "fuzz_check.h"
#include "fuzzed_line.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  using namespace zelto::fuzz;
  ByteStream line({data, size});
  const std::uint8_t choice = line.TakeByte();
  const int model = choice % 4;  // 3 belongs to no family
  const bool calibrVisible = (choice & 0x10) != 0;
  FuzzedLink bench(line);

  calib::CalibBlock block{};
  const ServiceOutcome outcome =
      calib::ReadCalibration(bench.link, block, model, calibrVisible, bench.reporter);
  ZELTO_FUZZ_CHECK((outcome == ServiceOutcome::kUnknownModel) == (model == 3));
  if (outcome == ServiceOutcome::kUnknownModel)
    ZELTO_FUZZ_CHECK(block == calib::CalibBlock{});
  for (const std::string& text : calib::CalibrationLines(block, model))
    ZELTO_FUZZ_CHECK(IsValidUtf8(text));
  return 0;
}
