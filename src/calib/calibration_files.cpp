#include "calib/calibration_files.h"

#include "calib/calibration_display.h"
#include "files/formatted_input.h"
#include "files/regular_file.h"
#include "files/safe_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace zelto::calib {
namespace {

constexpr int kPairs = 4;
constexpr int kReferencesPerLine = 4;
// A calibration text file has nine short lines; anything beyond this is not read.
constexpr std::size_t kTextFileLimit = 64 * 1024;

void ReportFailure(files::FileOutcome outcome, Reporter& reporter) {
  if (outcome != files::FileOutcome::kDone)
    reporter.ShowStatus(files::FileFailureStatus(outcome));
}

// Reads the text form into the block, field by field; false at the first item that does not
// read.
bool ParseCalibrationText(std::istream& in, CalibBlock& block) {
  files::FormattedInput input(in);
  for (float& value : block.Pairs) {
    const auto read = input.Real();
    if (!read)
      return false;
    value = *read;
  }
  for (std::uint16_t& value : block.Ref) {
    const auto read = input.Integer();
    if (!read)
      return false;
    value = static_cast<std::uint16_t>(*read);
  }
  return true;
}

}  // namespace

std::string CalibrationText(const CalibBlock& block) {
  std::string text;
  std::array<char, 256> line{};
  for (int i = 0; i < kPairs; ++i) {
    std::snprintf(line.data(), line.size(), "%f  %f\n",
                  static_cast<double>(block.Pairs[static_cast<std::size_t>(2 * i)]),
                  static_cast<double>(block.Pairs[static_cast<std::size_t>(2 * i + 1)]));
    text += line.data();
  }
  for (std::size_t first = 0; first < block.Ref.size(); first += kReferencesPerLine) {
    std::snprintf(line.data(), line.size(), "%d  %d  %d  %d\n", int{block.Ref[first]},
                  int{block.Ref[first + 1]}, int{block.Ref[first + 2]}, int{block.Ref[first + 3]});
    text += line.data();
  }
  return text;
}

files::FileOutcome SaveCalibrationBin(const std::string& path, const CalibBlock& block,
                                      Reporter& reporter) {
  std::array<char, kCalibBlockBytes> bytes{};
  std::memcpy(bytes.data(), &block, bytes.size());
  const files::FileOutcome outcome = files::WriteFileSafely(path, bytes);
  if (outcome == files::FileOutcome::kDone)
    reporter.ShowStatus(files::kStatusFileWritten);
  ReportFailure(outcome, reporter);
  return outcome;
}

files::FileOutcome LoadCalibrationBin(const std::string& path, CalibBlock& block, int model,
                                      bool calibrVisible, Reporter& reporter) {
  files::FileOutcome outcome = files::FileOutcome::kCannotOpen;
  if (const auto bytes = files::ReadFileStart(path, kCalibBlockBytes)) {
    // A short file replaces the leading bytes only; files saved that way load as they always
    // did, but the user learns that the rest did not come from the file.
    // Copied byte by byte: an empty file gives no data pointer at all, which memcpy may not
    // be handed even for no bytes.
    std::copy(bytes->begin(), bytes->end(), reinterpret_cast<char*>(&block));
    outcome = bytes->size() == kCalibBlockBytes ? files::FileOutcome::kDone
                                                : files::FileOutcome::kBadFormat;
  }
  if (outcome == files::FileOutcome::kDone)
    reporter.ShowStatus(files::kStatusFileWritten);
  ReportFailure(outcome, reporter);
  ShowCalibration(block, model, calibrVisible, reporter);
  return outcome;
}

files::FileOutcome SaveCalibrationText(const std::string& path, const CalibBlock& block, int model,
                                       bool calibrVisible, Reporter& reporter) {
  const std::string text = CalibrationText(block);
  const files::FileOutcome outcome = files::WriteFileSafely(path, text);
  ReportFailure(outcome, reporter);
  ShowCalibration(block, model, calibrVisible, reporter);
  return outcome;
}

files::FileOutcome LoadCalibrationText(const std::string& path, CalibBlock& block, int model,
                                       bool calibrVisible, Reporter& reporter) {
  files::FileOutcome outcome = files::FileOutcome::kCannotOpen;
  if (const auto bytes = files::ReadFileStart(path, kTextFileLimit)) {
    std::istringstream in(std::string(bytes->begin(), bytes->end()));
    outcome = ParseCalibrationText(in, block) ? files::FileOutcome::kDone
                                              : files::FileOutcome::kBadFormat;
  }
  ReportFailure(outcome, reporter);
  ShowCalibration(block, model, calibrVisible, reporter);
  return outcome;
}

std::optional<int> CountCalibrationTextValues(const std::string& path) {
  const auto bytes = files::ReadFileStart(path, kTextFileLimit);
  if (!bytes)
    return std::nullopt;
  std::istringstream in(std::string(bytes->begin(), bytes->end()));
  files::FormattedInput input(in);
  int count = 0;
  // Every value the text form holds reads as a real, the integers too.
  while (input.Real())
    ++count;
  return count;
}

}  // namespace zelto::calib
