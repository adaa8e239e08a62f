// The calibration files as a user may hand them over: any bytes as the binary file or as the
// text file. The first byte chooses the loader, the model and whether the display is visible.
#include "calib/calibration_files.h"
#include "fuzz_check.h"
#include "fuzzed_line.h"
#include "scratch_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

using namespace zelto;
using namespace zelto::fuzz;

// The loaded bytes are the file's, as far as it goes.
void CheckBinary(const std::uint8_t* bytes, std::size_t size, const calib::CalibBlock& block,
                 files::FileOutcome outcome) {
  const std::size_t loaded = std::min(size, calib::kCalibBlockBytes);
  ZELTO_FUZZ_CHECK(std::memcmp(&block, bytes, loaded) == 0);
  ZELTO_FUZZ_CHECK((outcome == files::FileOutcome::kDone) == (size >= calib::kCalibBlockBytes));
}

// What the text save writes, the text load takes back: saving the loaded block again gives the
// same text, "nan", "-nan", "inf" and "-inf" included.
void CheckTextRoundTrip(const calib::CalibBlock& block, const ScratchFile& file) {
  const std::string text = calib::CalibrationText(block);
  calib::CalibBlock again{};
  CheckingReporter reporter;
  const auto outcome = calib::LoadCalibrationText(file.Write(text), again, 2, false, reporter);
  ZELTO_FUZZ_CHECK(outcome == files::FileOutcome::kDone);
  ZELTO_FUZZ_CHECK(again.Ref == block.Ref);
  ZELTO_FUZZ_CHECK(calib::CalibrationText(again) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile file;
  if (size == 0)
    return 0;
  const std::uint8_t choice = data[0];
  const int model = (choice >> 1) % 4;
  const bool calibrVisible = (choice & 0x10) != 0;
  const std::span<const std::uint8_t> contents(data + 1, size - 1);
  const std::string& path = file.Write(contents);

  CheckingReporter reporter;
  calib::CalibBlock block{};
  if (choice % 2 == 0) {
    const auto outcome = calib::LoadCalibrationBin(path, block, model, calibrVisible, reporter);
    CheckBinary(contents.data(), contents.size(), block, outcome);
    // Any bits a device may hold, erased words included, go through the text file as well.
    CheckTextRoundTrip(block, file);
  } else if (calib::LoadCalibrationText(path, block, model, calibrVisible, reporter) ==
             files::FileOutcome::kDone) {
    CheckTextRoundTrip(block, file);
  }
  return 0;
}
