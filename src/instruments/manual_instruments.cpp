#include "instruments/manual_instruments.h"

#include <cmath>

namespace zelto::instruments {

Reading ManualMeter::ReadMilliamperes() {
  const auto current = entry_ ? entry_() : std::nullopt;
  if (!current || !std::isfinite(*current))
    return InstrumentFailure{
        InstrumentRole::kCurrentMeter, FailureKind::kNothingEntered, name_, {}};
  return *current;
}

}  // namespace zelto::instruments
