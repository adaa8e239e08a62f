#include "config/nominal_currents.h"

#include "config/comma_decimals.h"

#include <array>
#include <cstdio>

namespace zelto::config {
namespace {

constexpr std::array<CurrentRange, 3> kOutputRanges{{{0, 5}, {0, 20}, {4, 20}}};
constexpr CurrentRange kLoadingOutput{4, 20};

// The output scale's offset and span for the device, if it has one.
std::optional<CurrentRange> OutputScale(int device, int outputRange) {
  if (IsTableLoadingDevice(device))
    return kLoadingOutput;
  if (device == kDeviceVelmor7)
    return OutputCurrentRange(outputRange);
  return std::nullopt;
}

}  // namespace

bool IsTableLoadingDevice(int device) {
  return device == kDeviceLoadingBlank || device == kDeviceDastra2;
}

std::optional<CurrentRange> OutputCurrentRange(int outputRange) {
  if (outputRange < 0 || outputRange >= static_cast<int>(kOutputRanges.size())) {
    return std::nullopt;
  }
  return kOutputRanges[outputRange];
}

bool ComputeNominalCurrents(ConfigRecord& record, bool takeOver, int outputRange,
                            ConfigView& view) {
  const auto scale = OutputScale(record.Device, outputRange);
  if (!scale)
    return false;
  const auto offset = static_cast<float>(scale->low);
  const auto span = static_cast<float>(scale->high - scale->low);
  const auto low = static_cast<float>(record.RngMin);
  const float range = static_cast<float>(record.RngMax) - low;
  // Only a record loaded from a file can have equal range ends; it has no scale to place T1
  // and T2 on.
  if (range == 0.0f)
    return false;
  record.CurZero = offset + span * ((record.TmpZero - low) / range);
  record.CurFull = offset + span * ((record.TmpFull - low) / range);
  view.ShowNominalCurrents(FormatNominalCurrent(record.CurZero),
                           FormatNominalCurrent(record.CurFull));
  if (takeOver) {
    record.Zero = record.CurZero;
    record.Full = record.CurFull;
  }
  return true;
}

std::string FormatNominalCurrent(float current) {
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%5.3f", static_cast<double>(current));
  std::string text = buffer.data();
  CommaDecimals(text);
  return text;
}

}  // namespace zelto::config
