#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace zelto::calib {

// The transmitter's calibration coefficients as the program keeps them: four pairs of a gain
// A and an offset B (A0, B0, A1, B1, ...), and twenty 16-bit reference values. The bytes of
// the block are also the binary calibration file, so its layout is fixed.
struct CalibBlock {
  std::array<float, 8> Pairs{};
  std::array<std::uint16_t, 20> Ref{};

  bool operator==(const CalibBlock&) const = default;
};

inline constexpr std::size_t kCalibBlockBytes = 72;
static_assert(sizeof(CalibBlock) == kCalibBlockBytes);
static_assert(offsetof(CalibBlock, Pairs) == 0);
static_assert(offsetof(CalibBlock, Ref) == 32);
static_assert(std::is_trivially_copyable_v<CalibBlock>);
static_assert(std::endian::native == std::endian::little,
              "the block's bytes are the little-endian file format");

inline float& Gain(CalibBlock& block, int pair) {
  return block.Pairs[static_cast<std::size_t>(2 * pair)];
}
inline float& Offset(CalibBlock& block, int pair) {
  return block.Pairs[static_cast<std::size_t>(2 * pair + 1)];
}

// The reference values the clear operations write, per family.
inline constexpr std::array<std::uint16_t, 18> kLoadingNeutralReferences{
    6301,  8091,  9980,  11973, 14087, 16324, 18703, 21236, 23932,
    26813, 29899, 33212, 36780, 40629, 44797, 49326, 54257, 0};
inline constexpr std::array<std::uint16_t, 14> kVelmorNeutralReferences{
    2635, 15058, 2635, 12554, 22571, 32686, 42913, 53249, 3480, 13406, 23428, 33554, 43787, 65535};
inline constexpr float kNeutralGain = 1.0f;
inline constexpr float kNeutralOffset = 0.0f;

}  // namespace zelto::calib
