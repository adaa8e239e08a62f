#pragma once

#include <cstdint>
#include <vector>

namespace zelto::calib {

// The configuration words that tell one unit of a model from another of the same model: the
// factory calibration its calibration read covers (pairs and reference values, which differ from
// unit to unit), without the correction pair, which a configuration write or a correction
// overwrites (84/88 on the table-loading models, 56/60 on Velmor-7). In ascending order; nothing
// for a position without a calibration family.
std::vector<std::uint16_t> IdentityCalibrationWords(int model);

}  // namespace zelto::calib
