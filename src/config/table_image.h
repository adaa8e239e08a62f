#pragma once

#include "config/memory_words.h"
#include "config/sensor_table.h"

#include <cstdint>
#include <span>
#include <vector>

namespace zelto::config {

// The words that lay a table into the configuration memory with its base at `base`, in the
// order they are sent: range, counts, the n + 1 knots, then only the coefficients in use.
// Words that would fall beyond the memory are not produced.
std::vector<MemoryWord> EncodeTableImage(const SensorTable& table, uint16_t base);

// Table 2 of the table-loading models, as the device expects it: no range word, counts at
// 288 and 292, knots from 292, coefficients from 304. Later words overwrite earlier ones at the
// same address (292 ends up holding Knots[0]), so the device cannot be read back into a table.
std::vector<MemoryWord> EncodeCompactTable(const SensorTable& table);

// A full image read back from a memory copy; bytes beyond the copy read as 0.
SensorTable DecodeTableImage(std::span<const uint8_t> memory, uint16_t base);

}  // namespace zelto::config
