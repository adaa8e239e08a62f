// What a bench instrument answers: the meter's current, and the identity a check keeps.
#include "fuzz_check.h"
#include "instruments/scpi_line.h"
#include "instruments/scpi_number.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto value = instruments::ParseScpiNumber(text))
    ZELTO_FUZZ_CHECK(std::isfinite(*value));
  // Shown in a window and kept in a file: whole characters, and no line or control character
  // that would break either.
  const std::string shown = instruments::ShownAnswer(text);
  ZELTO_FUZZ_CHECK(fuzz::IsValidUtf8(shown));
  for (const char c : shown)
    ZELTO_FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
  return 0;
}
