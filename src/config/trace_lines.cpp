#include "config/trace_lines.h"

#include <cstdio>

namespace zelto::config {
namespace {

template <typename... Values>
std::string Format(const char* format, Values... values) {
  std::array<char, 256> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, values...);
  return buffer.data();
}

std::string FourValues(const char* format, const std::array<float, 4>& values) {
  return Format(format, static_cast<double>(values[0]), static_cast<double>(values[1]),
                static_cast<double>(values[2]), static_cast<double>(values[3]));
}

}  // namespace

std::string ArgumentsTraceLine(const std::array<float, 4>& values) {
  return FourValues("i0 =%8.4f, i1 =%8.4f, i2 =%8.4f, i3 =%8.4f", values);
}

std::string ResultsTraceLine(const std::array<float, 4>& values) {
  return FourValues("e0 =%8.4f, e1= %8.4f, e2 =%8.4f,e3 =%8.4f", values);
}

std::string CorrectionTraceLine(float au, float bu) {
  return Format("Au =%8.5f, Bu =%9.5f", static_cast<double>(au), static_cast<double>(bu));
}

std::string WorkingMemoryTraceLine(int32_t m00, int32_t m02, int32_t m03) {
  return Format("m00 =%8.4f, m02 =%8.4f, m03 =%8.4f", static_cast<double>(m00),
                static_cast<double>(m02), static_cast<double>(m03));
}

}  // namespace zelto::config
