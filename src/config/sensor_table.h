#pragma once

#include <array>
#include <cstdint>

namespace zelto::config {

inline constexpr int kMaxSegments = 4;
inline constexpr int kMaxCoefficients = 32;
// Knots hold the argument times this, as integers.
inline constexpr int kKnotScale = 10000;

// A piecewise polynomial of up to four segments; the same 160-byte layout is loaded into the
// table-loading models.
struct SensorTable {
  int16_t TMin = 0;  // the sensor's temperature range; 0 in temperature -> signal tables
  int16_t TMax = 0;
  // Counts[0] is the number of segments n, Counts[1..n] the coefficients of each segment.
  std::array<uint8_t, 8> Counts{};
  // Knots[0] is the low end of segment 1, Knots[k] the high end of segment k.
  std::array<int32_t, kMaxSegments + 1> Knots{};
  // Segment after segment, lowest power first.
  std::array<float, kMaxCoefficients> Coef{};

  bool operator==(const SensorTable&) const = default;
};

inline constexpr int kSensorTableBytes = 160;

}  // namespace zelto::config
