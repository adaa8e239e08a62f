#include "config/word_summary.h"

#include "config/memory_map.h"
#include "config/nominal_currents.h"
#include "config/summary_lines.h"

namespace zelto::config {
namespace {

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

struct Range {
  int32_t low;
  int32_t high;
};

std::optional<Range> RangeWords(const WordLookup& word) {
  const auto low = word(kDevRngMinWord);
  const auto high = word(kDevRngMaxWord);
  if (!low || !high)
    return std::nullopt;
  return Range{static_cast<int32_t>(*low), static_cast<int32_t>(*high)};
}

void AddLoadingLines(const WordLookup& word, std::vector<std::string>& lines) {
  const auto state = word(loading_memory::kStateWord);
  if (!state)
    return;
  if (!IsConfigured(*state)) {
    lines.emplace_back(kNotConfiguredLine);
    return;
  }
  lines.push_back(SensorName(StateSensorCode(*state)));
  if (const auto range = RangeWords(word))
    lines.push_back(LoadingRangeLine(*state, range->low, range->high));
}

void AddVelmorLines(const WordLookup& word, std::vector<std::string>& lines) {
  const auto switchesA = word(velmor_memory::kSwitchWordA);
  const auto switchesB = word(velmor_memory::kSwitchWordB);
  if (switchesA && switchesB)
    Append(lines, VelmorSwitchLines(*switchesA, *switchesB));
  const auto state = word(velmor_memory::kStateWord);
  const auto range = RangeWords(word);
  if (!state || !range)
    return;
  if (!IsConfigured(*state)) {
    lines.emplace_back(kNotConfiguredLine);
    return;
  }
  Append(lines, VelmorRangeLines(*state, range->low, range->high));
}

}  // namespace

std::vector<std::string> SummaryOfWords(int model, const WordLookup& word) {
  const auto version = word(kFirmwareVersionWord);
  const auto date = word(kFirmwareDateWord);
  if (!version || !date)
    return {};
  const bool velmor = model == kDeviceVelmor7;
  std::vector<std::string> lines{
      (velmor ? VelmorVersionLine(model, *version) : LoadingVersionLine(model, *version)) +
      DateText(*date)};
  if (velmor) {
    AddVelmorLines(word, lines);
  } else if (IsTableLoadingDevice(model)) {
    AddLoadingLines(word, lines);
  }
  return lines;
}

}  // namespace zelto::config
