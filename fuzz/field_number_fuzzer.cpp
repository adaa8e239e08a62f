// The numeric fields: any text typed into one, and any field value formatted for display.
#include "config/field_text.h"
#include "fuzz_check.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

using namespace zelto::config;

// The largest decimals a field shows.
constexpr int kMostDecimals = 3;

// A formatted value reads back as itself (general form) or as itself rounded to the decimals.
void CheckFormatsBack(float value) {
  const std::string general = FormatFieldNumber(value, kGeneralForm);
  const auto exact = ParseFieldNumber(general);
  ZELTO_FUZZ_CHECK(exact && *exact == value);
  for (int decimals = 0; decimals <= kMostDecimals; ++decimals) {
    const std::string text = FormatFieldNumber(value, decimals);
    const auto back = ParseFieldNumber(text);
    ZELTO_FUZZ_CHECK(back.has_value());
    const double step = 0.5 * std::pow(10.0, -decimals);
    const double slack = (std::fabs(static_cast<double>(value)) + step) * 1e-6;
    ZELTO_FUZZ_CHECK(std::fabs(static_cast<double>(*back) - static_cast<double>(value)) <=
                     step * (1 + 1e-9) + slack);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto value = ParseFieldNumber(text)) {
    ZELTO_FUZZ_CHECK(std::isfinite(*value));
    CheckFormatsBack(*value);
  }
  // The same bytes as a field value: any float, infinities and NaN included.
  if (size >= 5) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    const auto value = std::bit_cast<float>(bits);
    const int decimals = data[4] % (kMostDecimals + 2) - 1;
    const std::string shown = FormatFieldNumber(value, decimals);
    ZELTO_FUZZ_CHECK(!shown.empty());
    if (std::isfinite(value))
      CheckFormatsBack(value);
  }
  return 0;
}
