#pragma once

#include <array>
#include <cstdint>

namespace zelto::config {

// The transmitter's configuration memory: 512 bytes, read and written in 4-byte words at
// byte addresses 0..508.
inline constexpr int kMemorySize = 512;
inline constexpr int kWordSize = 4;
inline constexpr uint16_t kLastWordAddress = kMemorySize - kWordSize;

// Both families keep the firmware identification at the same, read-only, addresses.
inline constexpr uint16_t kFirmwareVersionWord = 104;
inline constexpr uint16_t kFirmwareDateWord = 112;
inline constexpr uint16_t kDevRngMinWord = 16;
inline constexpr uint16_t kDevRngMaxWord = 20;
inline constexpr uint16_t kCrnMixWord = 24;
inline constexpr uint16_t kCrtMaxWord = 28;
inline constexpr uint16_t kCalibrationPairsWord = 32;

// The table-loading models (device codes 0 and 1).
namespace loading_memory {
inline constexpr uint16_t kInputWord = 0;  // Mode, table index, R0
inline constexpr uint16_t kStateWord = 8;  // sensor, device, configured flag
inline constexpr uint16_t kCalibrationReferencesWord = 48;
inline constexpr uint16_t kAuWord = 84;
inline constexpr uint16_t kBuWord = 88;
// The words the correction is read back from.
inline constexpr std::array<uint16_t, 4> kCorrectionReadBackWords{80, 84, 88, 92};
// Written last: the device takes its configuration as complete once it sees this.
inline constexpr uint16_t kEndMarkerWord = 124;
inline constexpr std::array<uint8_t, 4> kEndMarker{0xFF, 0xFF, 0xFF, 0x00};
// Table 1, signal -> temperature, a full image.
inline constexpr uint16_t kSignalTableBase = 128;
// Table 2, temperature -> EMF, in the compact form.
inline constexpr uint16_t kEmfTableCountsWord = 288;
inline constexpr uint16_t kEmfTableKnotsWord = 292;
inline constexpr uint16_t kEmfTableCoefficientsWord = 304;
// Table 3, resistance ratio -> temperature, a full image that runs to the end of memory.
inline constexpr uint16_t kRatioTableBase = 400;
}  // namespace loading_memory

// Velmor-7 (device code 2): holds its own characteristics and takes switches instead.
namespace velmor_memory {
inline constexpr uint16_t kSwitchWordA = 0;  // sensor, cold junction, scheme, square root
inline constexpr uint16_t kSwitchWordB = 4;  // output range, sensor break
inline constexpr uint16_t kZeroWord = 12;
inline constexpr uint16_t kAuWord = 56;
inline constexpr uint16_t kBuWord = 60;
inline constexpr uint16_t kCalibrationReferencesWord = 64;
inline constexpr uint16_t kStateWord = 116;  // laid out as the other family's state word
}  // namespace velmor_memory

}  // namespace zelto::config
