#include "config/summary_lines.h"

#include "config/comma_decimals.h"
#include "config/nominal_currents.h"
#include "config/real_conversion.h"
#include "config/sensor_catalogue.h"
#include "config/sensor_conversion.h"
#include "link/translatable.h"

#include <array>
#include <cstdio>
#include <span>

namespace zelto::config {
namespace {

constexpr std::array<std::string_view, 3> kModelNames{"      ", "Dastra-2", "Velmor-7"};
// Also the values the window's compare dialog shows, in the interface's words there; the memo's
// lines keep them as they are.
constexpr std::array<std::string_view, 3> kSchemes{QT_TRANSLATE_NOOP("Zelto", "4-проводная"),
                                                   QT_TRANSLATE_NOOP("Zelto", "3-проводная"),
                                                   QT_TRANSLATE_NOOP("Zelto", "2-проводная")};
constexpr std::array<std::string_view, 3> kOutputRanges{QT_TRANSLATE_NOOP("Zelto", "(0...5)мА"),
                                                        QT_TRANSLATE_NOOP("Zelto", "(0...20)мА"),
                                                        QT_TRANSLATE_NOOP("Zelto", "(4...20)мА")};
constexpr std::array<std::string_view, 2> kSwitchStates{QT_TRANSLATE_NOOP("Zelto", "выключено"),
                                                        QT_TRANSLATE_NOOP("Zelto", "включено")};

// The words of the line formats below, as the window translates them.
constexpr std::array<std::string_view, 16> kLinePhrases{
    QT_TRANSLATE_NOOP("Zelto", "Версия прошивки прибора"),
    QT_TRANSLATE_NOOP("Zelto", " от "),
    QT_TRANSLATE_NOOP("Zelto", "Прибор не конфигурирован"),
    QT_TRANSLATE_NOOP("Zelto", "Диапазон:"),
    QT_TRANSLATE_NOOP("Zelto", "Линейно от термоЭДС"),
    QT_TRANSLATE_NOOP("Zelto", "Линейно от температуры"),
    QT_TRANSLATE_NOOP("Zelto", "мВ"),
    QT_TRANSLATE_NOOP("Zelto", "Схема подключения:"),
    QT_TRANSLATE_NOOP("Zelto", "Диапазон выхода:"),
    QT_TRANSLATE_NOOP("Zelto", "Компенсация холодного спая:"),
    QT_TRANSLATE_NOOP("Zelto", "Корнеизвлечение:"),
    QT_TRANSLATE_NOOP("Zelto", "Обрыв датчика:"),
    QT_TRANSLATE_NOOP("Zelto", "Тип датчика:"),
    QT_TRANSLATE_NOOP("Zelto", "Зависимость:линейная от термоЭДС"),
    QT_TRANSLATE_NOOP("Zelto", "Зависимость:линейная от температуры"),
    QT_TRANSLATE_NOOP("Zelto", "код "),
};

constexpr uint32_t kSensorCodeBits = 0x3F;
constexpr uint32_t kLinearFromEmfBit = 0x80;
constexpr int kLastTemperatureSensor = kFirstSignalInput - 1;
constexpr float kStoredEndScale = 0.1f;
// The display rounds a temperature up unless it is within a hundredth below a whole degree.
constexpr float kRoundUp = 0.99f;

template <typename... Values>
std::string Format(const char* format, Values... values) {
  std::array<char, 512> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, values...);
  return buffer.data();
}

std::string WithCommas(std::string text) {
  CommaDecimals(text);
  return text;
}

int Byte(uint32_t word, int index) {
  return static_cast<int>((word >> (8 * index)) & 0xFF);
}

// The signed 16-bit number in bytes first and first + 1.
int Int16(uint32_t word, int first) {
  return static_cast<int16_t>(static_cast<uint16_t>(word >> (8 * first)));
}

std::string RawCode(int value) {
  return "код " + std::to_string(value);
}

template <std::size_t N>
std::string Entry(const std::array<std::string_view, N>& table, int index) {
  if (index < 0 || index >= static_cast<int>(N))
    return RawCode(index);
  return std::string(table[static_cast<std::size_t>(index)]);
}

bool IsThermocouple(int code) {
  return code >= kFirstThermocouple && code <= kLastTemperatureSensor;
}

// A range end as the signal it was stored as, in mV or W.
float StoredSignal(int32_t storedEnd) {
  return static_cast<float>(storedEnd) * kStoredEndScale;
}

struct LinearRange {
  int32_t lowTemperature;
  int32_t highTemperature;
  double lowSignal;
  double highSignal;
};

// Both ends converted back to temperatures, when both have one.
std::optional<LinearRange> ConvertedRange(uint32_t stateWord, int32_t low, int32_t high) {
  if (!IsLinearFromEmf(stateWord))
    return std::nullopt;
  const int code = StateSensorCode(stateWord);
  const auto lowTemperature = StoredEndTemperature(code, low);
  const auto highTemperature = StoredEndTemperature(code, high);
  if (!lowTemperature || !highTemperature)
    return std::nullopt;
  return LinearRange{*lowTemperature, *highTemperature, StoredSignal(low), StoredSignal(high)};
}

}  // namespace

std::string_view ModelName(int model) {
  if (model < 0 || model >= static_cast<int>(kModelNames.size()))
    return {};
  return kModelNames[static_cast<std::size_t>(model)];
}

std::string LoadingVersionLine(int model, uint32_t versionWord) {
  return Format("%s  Версия прошивки прибора %02d.%02d.%04d", std::string(ModelName(model)).c_str(),
                Byte(versionWord, 3), Byte(versionWord, 2), Int16(versionWord, 0));
}

std::string VelmorVersionLine(int model, uint32_t versionWord) {
  return Format("%7s  Версия прошивки прибора %1d.%02d.%04d", std::string(ModelName(model)).c_str(),
                Byte(versionWord, 3), Byte(versionWord, 2), Int16(versionWord, 0));
}

std::string FirmwareVersionText(int model, uint32_t versionWord) {
  if (model == kDeviceVelmor7)
    return Format("%1d.%02d.%04d", Byte(versionWord, 3), Byte(versionWord, 2),
                  Int16(versionWord, 0));
  return Format("%02d.%02d.%04d", Byte(versionWord, 3), Byte(versionWord, 2),
                Int16(versionWord, 0));
}

std::string FirmwareDateIso(uint32_t dateWord) {
  return Format("%04d-%02d-%02d", Int16(dateWord, 2), Byte(dateWord, 1), Byte(dateWord, 0));
}

std::string DateText(uint32_t dateWord) {
  return Format(" от %2d.%02d.%04d", Byte(dateWord, 0), Byte(dateWord, 1), Int16(dateWord, 2));
}

bool IsConfigured(uint32_t stateWord) {
  return (Byte(stateWord, 3) & 1) != 0;
}

int StateSensorCode(uint32_t stateWord) {
  return static_cast<int>(stateWord & kSensorCodeBits);
}

bool IsLinearFromEmf(uint32_t stateWord) {
  return (stateWord & kLinearFromEmfBit) != 0;
}

std::string SensorName(int code) {
  const auto sensor = LookupSensor(code);
  return sensor ? std::string(sensor->summaryName) : RawCode(code);
}

std::optional<int32_t> StoredEndTemperature(int sensorCode, int32_t storedEnd) {
  if (sensorCode > kLastTemperatureSensor)
    return std::nullopt;
  const auto temperature = TemperatureAtSignal(sensorCode, StoredSignal(storedEnd));
  if (!temperature)
    return std::nullopt;
  return TruncateToInt32(*temperature + kRoundUp);
}

std::string LoadingRangeLine(uint32_t stateWord, int32_t low, int32_t high) {
  if (const auto range = ConvertedRange(stateWord, low, high)) {
    const bool signedTemperature = range->lowTemperature < 0;
    const bool signedSignal = range->lowSignal < 0;
    const char* format =
        signedTemperature
            ? (signedSignal ? "Диапазон: (%d...%+d)°C Линейно от термоЭДС(%3.1f...%+4.1f) мВ"
                            : "Диапазон: (%d...%+d)°C Линейно от термоЭДС(%3.1f...%4.1f) мВ")
            : (signedSignal ? "Диапазон: (%d...%d)°C Линейно от термоЭДС(%3.1f...%+4.1f) мВ"
                            : "Диапазон: (%d...%d)°C Линейно от термоЭДС(%3.1f...%4.1f) мВ");
    return WithCommas(Format(format, range->lowTemperature, range->highTemperature,
                             range->lowSignal, range->highSignal));
  }
  // Also the signal inputs, whose ends are in their own units, and any code with no conversion.
  const char* format = low < 0 ? "Диапазон: (%d...%+d)°C  Линейно от температуры"
                               : "Диапазон: (%d...%d)°C  Линейно от температуры";
  return WithCommas(Format(format, low, high));
}

std::vector<std::string> VelmorSwitchLines(uint32_t wordA, uint32_t wordB) {
  return {"Схема подключения:" + Entry(kSchemes, Byte(wordA, 2)),
          "Диапазон выхода:" + Entry(kOutputRanges, Byte(wordB, 0)),
          "Компенсация холодного спая:" + Entry(kSwitchStates, Byte(wordA, 1)),
          "Корнеизвлечение:" + Entry(kSwitchStates, Byte(wordA, 3)),
          "Обрыв датчика:" + Entry(kSwitchStates, Byte(wordB, 1))};
}

std::vector<std::string> VelmorRangeLines(uint32_t stateWord, int32_t low, int32_t high) {
  const int code = StateSensorCode(stateWord);
  const std::string name = SensorName(code);
  if (code > kLastTemperatureSensor) {
    const char* format = low < 0 ? "%s  Диапазон:(%d...%+d)" : "%s  Диапазон:(%d...%d)";
    return {WithCommas(Format(format, name.c_str(), low, high))};
  }
  std::vector<std::string> lines{"Тип датчика:" + name};
  if (const auto range = ConvertedRange(stateWord, low, high)) {
    const char* format =
        range->lowTemperature < 0 ? "Диапазон:(%d...%+d)°C" : "Диапазон:(%d...%d)°C";
    lines.push_back(WithCommas(Format(format, range->lowTemperature, range->highTemperature)));
    if (IsThermocouple(code)) {
      const char* emfFormat = range->lowSignal < 0
                                  ? "Зависимость:линейная от термоЭДС(%4.1f...%+4.1f)мВ"
                                  : "Зависимость:линейная от термоЭДС(%4.1f...%4.1f)мВ";
      lines.push_back(WithCommas(Format(emfFormat, range->lowSignal, range->highSignal)));
    }
    return lines;
  }
  const char* format = low < 0 ? "Диапазон:(%d...%+d)°C" : "Диапазон:(%d...%d)°C";
  lines.push_back(WithCommas(Format(format, low, high)));
  if (IsThermocouple(code) && !IsLinearFromEmf(stateWord))
    lines.push_back("Зависимость:линейная от температуры");
  return lines;
}

std::vector<std::string_view> SummaryPhrases() {
  std::vector<std::string_view> phrases(kLinePhrases.begin(), kLinePhrases.end());
  for (const auto& table : {std::span<const std::string_view>(kSchemes),
                            std::span<const std::string_view>(kOutputRanges),
                            std::span<const std::string_view>(kSwitchStates)}) {
    phrases.insert(phrases.end(), table.begin(), table.end());
  }
  for (int code = 0; code < kSensorCount; ++code)
    phrases.push_back(LookupSensor(code)->summaryName);
  return phrases;
}

std::string SchemeName(int scheme) {
  return Entry(kSchemes, scheme);
}

std::string OutputRangeName(int outputRange) {
  return Entry(kOutputRanges, outputRange);
}

std::string SwitchStateName(int state) {
  return Entry(kSwitchStates, state);
}

}  // namespace zelto::config
