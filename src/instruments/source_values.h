#pragma once

#include <optional>

namespace zelto::instruments {

// What a calibrator may be told to apply at a point, in the units the check computes them in;
// a value the input does not have stays empty (a thermocouple has no ohms).
struct SourceValues {
  std::optional<double> celsius;
  std::optional<double> ohms;
  std::optional<double> millivolts;
  std::optional<double> milliamperes;
};

}  // namespace zelto::instruments
