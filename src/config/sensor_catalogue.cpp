#include "config/sensor_catalogue.h"

#include "config/conversion_tables.h"
#include "link/translatable.h"

#include <array>

namespace zelto::config {
namespace {

struct CatalogueEntry {
  uint8_t tableIndex;  // Rezist for resistance thermometers, TermoC for thermocouples
  int32_t signalMin;   // the limits of the signal inputs; the others take their table's
  int32_t signalMax;
  uint8_t r0;
  // The memo's and the files' words; the window shows them in the interface's language.
  std::string_view summaryName;
};

constexpr std::array<CatalogueEntry, kSensorCount> kCatalogue{{
    {3, 0, 0, 50,
     QT_TRANSLATE_NOOP("Zelto", "термосопротивление   50M R100/R0=1,426 (-50...+200)°C")},
    {3, 0, 0, 53,
     QT_TRANSLATE_NOOP("Zelto", "термосопротивление   53M R100/R0=1,426 (-50...+200)°C")},
    {3, 0, 0, 100,
     QT_TRANSLATE_NOOP("Zelto", "термосопротивление  100M R100/R0=1,426 (-50...+200)°C")},
    {4, 0, 0, 50,
     QT_TRANSLATE_NOOP("Zelto", "термосопротивление   50M R100/R0=1,428 (-50...+200)°C")},
    {4, 0, 0, 53,
     QT_TRANSLATE_NOOP("Zelto", "термосопротивление   53M R100/R0=1,428 (-50...+200)°C")},
    {4, 0, 0, 100,
     QT_TRANSLATE_NOOP("Zelto", "термосопротивление  100M R100/R0=1,428 (-50...+200)°C")},
    {2, 0, 0, 50,
     QT_TRANSLATE_NOOP("Zelto", "термосопротивление   50П R100/R0=1,391 (-50...+600)°C")},
    {2, 0, 0, 100,
     QT_TRANSLATE_NOOP("Zelto", "термосопротивление  100П R100/R0=1,391 (-50...+600)°C")},
    {1, 0, 0, 100,
     QT_TRANSLATE_NOOP("Zelto", "термосопротивление Pt100 R100/R0=1,385 (-50...+600)°C")},
    {kThermocoupleJ, 0, 0, 100, QT_TRANSLATE_NOOP("Zelto", "термопара ТЖК (J)(-50...+1100)°C")},
    {kThermocoupleL, 0, 0, 100, QT_TRANSLATE_NOOP("Zelto", "термопара ТХК (L)(-50... +600)°C")},
    {kThermocoupleK, 0, 0, 100, QT_TRANSLATE_NOOP("Zelto", "термопара ТХА (K)(-50...+1300)°C")},
    {kThermocoupleS, 0, 0, 100, QT_TRANSLATE_NOOP("Zelto", "термопара ТПП (S)(0...1700)°C")},
    {kThermocoupleB, 0, 0, 100, QT_TRANSLATE_NOOP("Zelto", "термопара ТПР (B)(300...1800)°C")},
    {kThermocoupleA1, 0, 0, 100, QT_TRANSLATE_NOOP("Zelto", "термопара ТВР (A-1)(0...2500)°C")},
    {0, 0, 100, 100, QT_TRANSLATE_NOOP("Zelto", "напряжение (0...100)мВ")},
    {0, 0, 75, 100, QT_TRANSLATE_NOOP("Zelto", "напряжение (0...75)мВ")},
    {0, 0, 5, 100, QT_TRANSLATE_NOOP("Zelto", "ток (0... 5)мА")},
    {0, 0, 20, 100, QT_TRANSLATE_NOOP("Zelto", "ток (0...20)мА")},
    {0, 4, 20, 100, QT_TRANSLATE_NOOP("Zelto", "ток (4...20)мА")},
    {0, 0, 320, 100, QT_TRANSLATE_NOOP("Zelto", "сопротивление (0...320)Ом")},
}};

// The range column's heading, in the window's words.
std::string_view RangeCaption(int code) {
  if (code < kFirstSignalInput)
    return QT_TRANSLATE_NOOP("Zelto", "Температура, °C");
  if (code <= 16)
    return QT_TRANSLATE_NOOP("Zelto", "Напряжение,  мВ");
  if (code <= 19)
    return QT_TRANSLATE_NOOP("Zelto", "Входной Ток, мА");
  return QT_TRANSLATE_NOOP("Zelto", "Сопротивление,Ом");
}

}  // namespace

std::optional<SensorInfo> LookupSensor(int code) {
  if (code < 0 || code >= kSensorCount)
    return std::nullopt;
  const CatalogueEntry& entry = kCatalogue[code];
  SensorInfo info;
  info.code = code;
  info.R0 = entry.r0;
  info.summaryName = entry.summaryName;
  info.rangeCaption = RangeCaption(code);
  if (code < kFirstThermocouple) {
    info.sensorClass = SensorClass::kResistance;
    info.Mode = kModeResistance;
    info.Rezist = entry.tableIndex;
    const SensorTable& table = RatioToTemperatureTable(info.Rezist);
    info.LimMin = table.TMin;
    info.LimMax = table.TMax;
  } else if (code < kFirstSignalInput) {
    info.sensorClass = SensorClass::kThermocouple;
    info.TermoC = entry.tableIndex;
    const SensorTable& table = EmfToTemperatureTable(info.TermoC);
    info.LimMin = table.TMin;
    info.LimMax = table.TMax;
  } else {
    info.LimMin = entry.signalMin;
    info.LimMax = entry.signalMax;
  }
  return info;
}

}  // namespace zelto::config
