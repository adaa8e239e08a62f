#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zelto::config {

// The memo lines shared by the conversion self-test and the correction trace; points, not
// commas, since these are service lines.
std::string ArgumentsTraceLine(const std::array<float, 4>& values);  // "i0 =..., i1 =..."
std::string ResultsTraceLine(const std::array<float, 4>& values);    // "e0 =..., e1= ..."
std::string CorrectionTraceLine(float au, float bu);                 // "Au =..., Bu =..."
// The three working-memory words the device derives from the correction, read back as int32.
std::string WorkingMemoryTraceLine(int32_t m00, int32_t m02, int32_t m03);

}  // namespace zelto::config
