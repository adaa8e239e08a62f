#pragma once

#include "check/check_refusal.h"
#include "config/nominal_currents.h"
#include "config/stored_configuration.h"

#include <cstdint>
#include <variant>

namespace zelto::check {

// The configuration an output check holds the unit to: what the unit's own words say, never the
// window's, since the check is of the unit as it stands.
struct CheckedConfiguration {
  int model = config::kDeviceDastra2;  // device position: 0, 1 table-loading, 2 Velmor-7
  int sensor = 0;                      // catalogue code
  // RngMin and RngMax: °C, or mV, mA, Ω for the signal inputs.
  int32_t rangeMin = 0;
  int32_t rangeMax = 100;
  // The range words as the unit holds them: equal to the range, or with the output linear in
  // EMF the signal at each end in tenths.
  int32_t devRangeMin = 0;
  int32_t devRangeMax = 100;
  bool linearEmf = false;
  config::CurrentRange currentWords{4, 20};  // words 24 and 28
  int outputRange = config::kOutput4To20;    // Velmor-7's output-range byte
  bool coldJunction = false;                 // Velmor-7 switches
  bool squareRoot = false;
};

// The configuration decoded from a unit's words: the range in the sensor's own units comes from
// the range words, through the temperature each stands for when the output is linear in EMF.
std::variant<CheckedConfiguration, Refusal> DescribeChecked(
    int model, const config::StoredConfiguration& stored);

}  // namespace zelto::check
