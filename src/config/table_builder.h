#pragma once

#include "config/sensor_table.h"

#include <initializer_list>
#include <stdexcept>

namespace zelto::config::detail {

// A knot as stored: the argument times 10000, rounded to the nearest integer.
constexpr int32_t Knot(double argument) {
  const double scaled = argument * kKnotScale;
  return static_cast<int32_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
}

// Builds a table at compile time; a mismatch between knots and segments, or too many
// coefficients, stops the build instead of shipping a malformed table.
constexpr SensorTable MakeTable(int16_t tMin, int16_t tMax, std::initializer_list<double> knots,
                                std::initializer_list<std::initializer_list<float>> segments) {
  if (segments.size() < 1 || segments.size() > kMaxSegments ||
      knots.size() != segments.size() + 1) {
    throw std::logic_error("knots do not match segments");
  }
  SensorTable table;
  table.TMin = tMin;
  table.TMax = tMax;
  table.Counts[0] = static_cast<uint8_t>(segments.size());
  int k = 0;
  for (const double knot : knots) {
    table.Knots[k] = Knot(knot);
    if (k > 0 && table.Knots[k] <= table.Knots[k - 1])
      throw std::logic_error("knots not ascending");
    ++k;
  }
  int segment = 1;
  int j = 0;
  for (const auto& coefficients : segments) {
    table.Counts[segment++] = static_cast<uint8_t>(coefficients.size());
    for (const float c : coefficients) {
      if (j == kMaxCoefficients)
        throw std::logic_error("too many coefficients");
      table.Coef[j++] = c;
    }
  }
  return table;
}

}  // namespace zelto::config::detail
