// The memory and table dumps: of an image read word by word or byte by byte over the link, or
// of any image with any coefficient counts; and the correction read-back into the image.
#include "config/write_sequences.h"
#include "fuzz_check.h"
#include "fuzzed_line.h"
#include "link/memory_dumps.h"
#include "link/memory_reads.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::size_t kRowLineLength = 6 + 16 * 3;  // "%04x  " and sixteen "%02x "

void CheckImageLines(const std::vector<std::string>& lines) {
  ZELTO_FUZZ_CHECK(lines.size() >= 33);
  for (std::size_t row = 0; row < 32; ++row)
    ZELTO_FUZZ_CHECK(lines[row].size() == kRowLineLength);
  ZELTO_FUZZ_CHECK(lines[32].empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  using namespace zelto::fuzz;
  ByteStream input({data, size});
  const std::uint8_t choice = input.TakeByte();
  EEImage image{};

  if (choice % 4 == 0) {
    const int count1 = static_cast<std::int8_t>(input.TakeByte());
    const int count2 = static_cast<std::int8_t>(input.TakeByte());
    const int count3 = static_cast<std::int8_t>(input.TakeByte());
    const auto bytes = input.Take(image.size());
    std::copy(bytes.begin(), bytes.end(), image.begin());
    CheckImageLines(EEImageDumpLines(image));
    const auto lines = TablesDumpLines(image, count1, count2, count3);
    CheckImageLines(lines);
    for (const std::string& line : lines)
      ZELTO_FUZZ_CHECK(IsValidUtf8(line));
    CheckingReporter reporter;
    DumpTables(image, count1, count2, count3, reporter);
    return 0;
  }

  FuzzedLink bench(input);
  const EEImage before = image;
  if (choice % 4 == 1) {
    ReadEEImage(bench.link, image, bench.reporter);
  } else if (choice % 4 == 2) {
    ReadTablesImage(bench.link, image, bench.reporter);
    // The table read fills offsets 0x7F and up only.
    ZELTO_FUZZ_CHECK(std::equal(image.begin(), image.begin() + 0x7F, before.begin()));
  } else {
    config::ReadBackCorrection(bench.link, bench.reporter, image);
    // Words 80..92 only.
    ZELTO_FUZZ_CHECK(std::equal(image.begin(), image.begin() + 80, before.begin()));
    ZELTO_FUZZ_CHECK(std::equal(image.begin() + 96, image.end(), before.begin() + 96));
  }
  return 0;
}
