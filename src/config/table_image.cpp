#include "config/table_image.h"

#include "config/memory_map.h"

#include <algorithm>
#include <bit>

namespace zelto::config {
namespace {

constexpr int kCountsOffset = 4;
constexpr int kKnotsOffset = 12;
constexpr int kCoefficientsOffset = 32;

int SegmentCount(const SensorTable& table) {
  return std::min<int>(table.Counts[0], kMaxSegments);
}

int CoefficientCount(const SensorTable& table) {
  int count = 0;
  for (int segment = 1; segment <= SegmentCount(table); ++segment)
    count += table.Counts[segment];
  return std::min(count, kMaxCoefficients);
}

// Counts beyond the segment count are sent as 0, whatever the table holds there.
std::array<uint8_t, 8> SentCounts(const SensorTable& table) {
  std::array<uint8_t, 8> counts{};
  for (int i = 0; i <= SegmentCount(table); ++i)
    counts[i] = table.Counts[i];
  return counts;
}

// Appends the counts, knots and coefficients words at the given addresses.
void AppendBody(const SensorTable& table, uint16_t countsWord, uint16_t knotsWord,
                uint16_t coefficientsWord, std::vector<MemoryWord>& words) {
  const auto counts = SentCounts(table);
  words.push_back({countsWord, {counts[0], counts[1], counts[2], counts[3]}});
  words.push_back({static_cast<uint16_t>(countsWord + kWordSize),
                   {counts[4], counts[5], counts[6], counts[7]}});
  for (int k = 0; k <= SegmentCount(table); ++k) {
    words.push_back(Int32Word(static_cast<uint16_t>(knotsWord + kWordSize * k), table.Knots[k]));
  }
  for (int j = 0; j < CoefficientCount(table); ++j) {
    words.push_back(
        FloatWord(static_cast<uint16_t>(coefficientsWord + kWordSize * j), table.Coef[j]));
  }
  std::erase_if(words, [](const MemoryWord& word) { return word.address > kLastWordAddress; });
}

uint32_t ReadUint32(std::span<const uint8_t> memory, std::size_t address) {
  uint32_t value = 0;
  for (std::size_t i = 0; i < kWordSize; ++i) {
    if (address + i < memory.size())
      value |= static_cast<uint32_t>(memory[address + i]) << (8 * i);
  }
  return value;
}

}  // namespace

std::vector<MemoryWord> EncodeTableImage(const SensorTable& table, uint16_t base) {
  std::vector<MemoryWord> words;
  const auto tMin = static_cast<uint16_t>(table.TMin);
  const auto tMax = static_cast<uint16_t>(table.TMax);
  words.push_back({base,
                   {static_cast<uint8_t>(tMin), static_cast<uint8_t>(tMin >> 8),
                    static_cast<uint8_t>(tMax), static_cast<uint8_t>(tMax >> 8)}});
  AppendBody(table, static_cast<uint16_t>(base + kCountsOffset),
             static_cast<uint16_t>(base + kKnotsOffset),
             static_cast<uint16_t>(base + kCoefficientsOffset), words);
  return words;
}

std::vector<MemoryWord> EncodeCompactTable(const SensorTable& table) {
  std::vector<MemoryWord> words;
  AppendBody(table, loading_memory::kEmfTableCountsWord, loading_memory::kEmfTableKnotsWord,
             loading_memory::kEmfTableCoefficientsWord, words);
  return words;
}

SensorTable DecodeTableImage(std::span<const uint8_t> memory, uint16_t base) {
  SensorTable table;
  const uint32_t range = ReadUint32(memory, base);
  table.TMin = static_cast<int16_t>(range & 0xFFFF);
  table.TMax = static_cast<int16_t>(range >> 16);
  for (std::size_t half = 0; half < 2; ++half) {
    const uint32_t counts = ReadUint32(memory, base + kCountsOffset + kWordSize * half);
    for (std::size_t i = 0; i < kWordSize; ++i) {
      table.Counts[kWordSize * half + i] = static_cast<uint8_t>(counts >> (8 * i));
    }
  }
  for (std::size_t k = 0; k < table.Knots.size(); ++k) {
    table.Knots[k] = static_cast<int32_t>(ReadUint32(memory, base + kKnotsOffset + kWordSize * k));
  }
  for (std::size_t j = 0; j < table.Coef.size(); ++j) {
    table.Coef[j] =
        std::bit_cast<float>(ReadUint32(memory, base + kCoefficientsOffset + kWordSize * j));
  }
  return table;
}

}  // namespace zelto::config
