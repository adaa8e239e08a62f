#pragma once

#include <optional>
#include <string_view>

namespace zelto::rig {

// The simulated unit's own input error, before any correction it holds: the signal it perceives
// is gain x applied + offset, the offset in the signal's unit (Ω, mV, mA).
struct UnitError {
  double gain = 1.0;
  double offset = 0.0;
};

// "GAIN,OFFSET" with decimal points: "1.004,0". Nothing unless both are finite and the gain is
// above zero.
std::optional<UnitError> ParseUnitError(std::string_view text);

}  // namespace zelto::rig
