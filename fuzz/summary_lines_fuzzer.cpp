// The summary's line builders straight from the words a device may send: any version, date,
// state, range ends and switch words.
#include "config/summary_lines.h"
#include "fuzz_check.h"
#include "fuzzed_line.h"

#include <cstdint>
#include <string>

namespace {

std::uint32_t Word(zelto::fuzz::ByteStream& input) {
  std::uint32_t word = 0;
  for (int i = 0; i < 4; ++i)
    word |= static_cast<std::uint32_t>(input.TakeByte()) << (8 * i);
  return word;
}

void Check(const std::string& line) {
  ZELTO_FUZZ_CHECK(!line.empty());
  ZELTO_FUZZ_CHECK(zelto::fuzz::IsValidUtf8(line));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto::config;
  zelto::fuzz::ByteStream input({data, size});
  const int model = static_cast<std::int8_t>(input.TakeByte());
  const std::uint32_t version = Word(input);
  const std::uint32_t date = Word(input);
  const std::uint32_t state = Word(input);
  const auto low = static_cast<std::int32_t>(Word(input));
  const auto high = static_cast<std::int32_t>(Word(input));
  const std::uint32_t wordA = Word(input);
  const std::uint32_t wordB = Word(input);

  ZELTO_FUZZ_CHECK(zelto::fuzz::IsValidUtf8(ModelName(model)));
  Check(LoadingVersionLine(model, version));
  Check(VelmorVersionLine(model, version));
  Check(DateText(date));
  Check(SensorName(StateSensorCode(state)));
  Check(LoadingRangeLine(state, low, high));
  for (const std::string& line : VelmorSwitchLines(wordA, wordB))
    Check(line);
  for (const std::string& line : VelmorRangeLines(state, low, high))
    Check(line);
  // Any code, not only the six bits the state word holds.
  StoredEndTemperature(static_cast<std::int8_t>(wordA), low);
  return 0;
}
