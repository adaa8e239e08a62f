#pragma once

#include "config/config_record.h"
#include "config/config_view.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zelto::config {

// Device codes.
inline constexpr int kDeviceLoadingBlank = 0;
inline constexpr int kDeviceDastra2 = 1;
inline constexpr int kDeviceVelmor7 = 2;

bool IsTableLoadingDevice(int device);

// Positions of the output-range choice SetOutCurrent.
inline constexpr int kOutput0To5 = 0;
inline constexpr int kOutput0To20 = 1;
inline constexpr int kOutput4To20 = 2;

struct CurrentRange {
  int32_t low = 0;  // mA
  int32_t high = 0;
};

// The (CrnMix, CrtMax) pair of an output-range position; nothing for an unknown position.
std::optional<CurrentRange> OutputCurrentRange(int outputRange);

// Sets CurZero and CurFull from T1 and T2 on the device's output scale (4-20 mA on the
// table-loading models, the SetOutCurrent position's scale on Velmor-7) and shows them; with
// takeOver the measured currents Zero and Full follow. Returns false, and changes and shows
// nothing, for any other device code, an unknown output position or an empty range.
bool ComputeNominalCurrents(ConfigRecord& record, bool takeOver, int outputRange, ConfigView& view);

// "%5.3f" with the decimal comma: "4,000", "20,000".
std::string FormatNominalCurrent(float current);

}  // namespace zelto::config
