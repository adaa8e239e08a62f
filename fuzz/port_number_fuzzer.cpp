// The port list's entry text, from which the port number is taken.
#include "fuzz_check.h"
#include "link/port_number.h"

#include <cstdint>
#include <stdexcept>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const int number = SelectedPortNumber(text);
    // The entries the program lists itself give back their numbers.
    ZELTO_FUZZ_CHECK(SelectedPortNumber(PortLabel(number)) == number);
  } catch (const std::invalid_argument& refused) {
    // The message quotes the text after its first three characters: a whole character cut
    // would show as garbage.
    if (fuzz::IsValidUtf8(text))
      ZELTO_FUZZ_CHECK(fuzz::IsValidUtf8(refused.what()));
  }
  return 0;
}
