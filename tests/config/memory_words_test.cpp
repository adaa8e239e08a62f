#include "config/memory_words.h"

#include "config/conversion_tables.h"
#include "config/memory_map.h"
#include "config/table_image.h"
#include "recording_view.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <gtest/gtest.h>

namespace zelto::config {
namespace {

using Bytes = std::array<uint8_t, 4>;
using testing::Selected;

// Applies the writes in order, as the device does.
std::array<uint8_t, kMemorySize> Memory(const std::vector<MemoryWord>& words) {
  std::array<uint8_t, kMemorySize> memory{};
  for (const MemoryWord& word : words) {
    std::copy(word.bytes.begin(), word.bytes.end(), memory.begin() + word.address);
  }
  return memory;
}

uint32_t WordAt(const std::array<uint8_t, kMemorySize>& memory, int address) {
  uint32_t word = 0;
  std::memcpy(&word, memory.data() + address, sizeof word);  // this machine is little-endian
  return word;
}

TEST(MemoryWords, ConfigurationWordsOfBothFamilies) {
  // Type K's words are those the write sends; a thermometer names its table and R0.
  EXPECT_EQ(LoadingInputWord(Selected(1, 8)).bytes, (Bytes{0x03, 0x01, 0x64, 0x00}));
  EXPECT_EQ(LoadingInputWord(Selected(1, 4)).bytes, (Bytes{0x03, 0x04, 0x35, 0x00}));

  const ConfigRecord velmor = Selected(2, 19);
  const VelmorSwitches switches{.squareRoot = true, .outputRange = 2, .sensorBreak = true};
  EXPECT_EQ(VelmorSwitchWordA(velmor, switches), (MemoryWord{0, Bytes{0x13, 0x00, 0x00, 0x01}}));
  EXPECT_EQ(VelmorSwitchWordB(switches), (MemoryWord{4, Bytes{0x02, 0x01, 0x00, 0x00}}));
  EXPECT_EQ(VelmorStateWord(velmor, false), (MemoryWord{116, Bytes{0x13, 0x02, 0x00, 0x01}}));
}

TEST(TableImage, LargestTablesAndOneSegmentImage) {
  const auto s =
      EncodeTableImage(EmfToTemperatureTable(kThermocoupleS), loading_memory::kSignalTableBase);
  EXPECT_EQ(s.back().address + kWordSize - 1, 283);
  const auto copper = EncodeTableImage(RatioToTemperatureTable(4), loading_memory::kRatioTableBase);
  EXPECT_EQ(copper.back().address + kWordSize - 1, 511);

  SensorTable table = EmfToTemperatureTable(kThermocoupleA1);
  table.Counts[3] = 7;  // stale bytes beyond the segment count are never sent
  const auto words = EncodeTableImage(table, 128);
  ASSERT_EQ(words.size(), 1u + 2u + 2u + 9u);
  EXPECT_EQ(words[0], (MemoryWord{128, Bytes{0x00, 0x00, 0xC4, 0x09}}));  // 0..2500 °C
  EXPECT_EQ(words[1], (MemoryWord{132, Bytes{1, 9, 0, 0}}));
  EXPECT_EQ(words[2], (MemoryWord{136, Bytes{0, 0, 0, 0}}));
  EXPECT_EQ(words[4], Int32Word(144, 336400));
  EXPECT_EQ(words[5], FloatWord(160, table.Coef[0]));
}

TEST(TableImage, FullImagesDecodeBack) {
  for (int index = 0; index < kThermocoupleTableCount; ++index) {
    const SensorTable& table = EmfToTemperatureTable(index);
    const auto memory = Memory(EncodeTableImage(table, loading_memory::kSignalTableBase));
    EXPECT_EQ(DecodeTableImage(memory, loading_memory::kSignalTableBase), table) << index;
  }
  for (int index = 0; index < kResistanceTableCount; ++index) {
    const SensorTable& table = RatioToTemperatureTable(index);
    const auto memory = Memory(EncodeTableImage(table, loading_memory::kRatioTableBase));
    EXPECT_EQ(DecodeTableImage(memory, loading_memory::kRatioTableBase), table) << index;
  }
}

TEST(TableImage, CompactFormOverwritesAsTheDeviceExpects) {
  const SensorTable& k = TemperatureToEmfTable(kThermocoupleK);
  const auto kWords = EncodeCompactTable(k);
  ASSERT_EQ(kWords.size(), 2u + 3u + 21u);
  EXPECT_EQ(kWords[0], (MemoryWord{288, Bytes{2, 11, 10, 0}}));
  EXPECT_EQ(kWords[1], (MemoryWord{292, Bytes{0, 0, 0, 0}}));
  EXPECT_EQ(kWords[2], Int32Word(292, -2700000));
  EXPECT_EQ(kWords[5], FloatWord(304, k.Coef[0]));
  EXPECT_EQ(WordAt(Memory(kWords), 292), static_cast<uint32_t>(k.Knots[0]));

  // Three segments: the fourth knot goes to 304, and the first coefficient replaces it.
  const SensorTable& s = TemperatureToEmfTable(kThermocoupleS);
  const auto sWords = EncodeCompactTable(s);
  EXPECT_EQ(sWords[5], Int32Word(304, s.Knots[3]));
  EXPECT_EQ(WordAt(Memory(sWords), 304), std::bit_cast<uint32_t>(s.Coef[0]));
  EXPECT_LT(sWords.back().address, loading_memory::kRatioTableBase);
}

}  // namespace
}  // namespace zelto::config
