#include "config/configuration_words.h"

#include "config/conversion_tables.h"
#include "config/memory_map.h"
#include "config/sensor_catalogue.h"
#include "config/table_image.h"

namespace zelto::config {
namespace {

constexpr float kNoGain = 1.0f;
constexpr float kNoOffset = 0.0f;

void AppendRangeAndOutput(const ConfigRecord& record, std::vector<MemoryWord>& words) {
  words.push_back(Int32Word(kDevRngMinWord, record.DevRngMin));
  words.push_back(Int32Word(kDevRngMaxWord, record.DevRngMax));
  words.push_back(Int32Word(kCrnMixWord, record.CrnMix));
  words.push_back(Int32Word(kCrtMaxWord, record.CrtMax));
}

void Append(std::vector<MemoryWord> more, std::vector<MemoryWord>& words) {
  words.insert(words.end(), more.begin(), more.end());
}

}  // namespace

std::vector<MemoryWord> LoadingConfigurationWords(const ConfigRecord& record, bool lineFunc) {
  std::vector<MemoryWord> words{LoadingInputWord(record), LoadingStateWord(record, lineFunc)};
  AppendRangeAndOutput(record, words);
  // A new configuration starts without a range correction; the record keeps its Au and Bu.
  Append(CorrectionWords(kNoGain, kNoOffset), words);

  // With the output linear in EMF the device turns the signal into tenths of a mV instead of a
  // temperature, which is what the range words then hold. Table 2 stays the thermocouple's own.
  const SensorTable& signalTable = EmfToTemperatureTable(lineFunc ? kLinearEmf : record.TermoC);
  const SensorTable& ratioTable = lineFunc && record.Mode == kModeResistance
                                      ? EmfToTemperatureTable(kLinearEmf)
                                      : RatioToTemperatureTable(record.Rezist);
  Append(EncodeTableImage(signalTable, loading_memory::kSignalTableBase), words);
  Append(EncodeCompactTable(TemperatureToEmfTable(record.TermoC)), words);
  Append(EncodeTableImage(ratioTable, loading_memory::kRatioTableBase), words);

  words.push_back({loading_memory::kEndMarkerWord, loading_memory::kEndMarker});
  return words;
}

std::vector<MemoryWord> VelmorConfigurationWords(const ConfigRecord& record, bool lineFunc,
                                                 const VelmorSwitches& switches) {
  std::vector<MemoryWord> words{VelmorSwitchWordA(record, switches), VelmorSwitchWordB(switches),
                                Int32Word(velmor_memory::kZeroWord, 0),
                                VelmorStateWord(record, lineFunc)};
  AppendRangeAndOutput(record, words);
  words.push_back(FloatWord(velmor_memory::kAuWord, kNoGain));
  words.push_back(FloatWord(velmor_memory::kBuWord, kNoOffset));
  return words;
}

std::vector<MemoryWord> CorrectionWords(float au, float bu) {
  return {FloatWord(loading_memory::kAuWord, au), FloatWord(loading_memory::kBuWord, bu)};
}

}  // namespace zelto::config
