#include "config/memory_words.h"

#include "config/memory_map.h"
#include "config/sensor_catalogue.h"

#include <bit>

namespace zelto::config {
namespace {

constexpr uint8_t kLinearFromEmfBit = 0x80;
constexpr uint8_t kConfigured = 1;

uint8_t Byte(int value) {
  return static_cast<uint8_t>(value);
}

MemoryWord StateWord(uint16_t address, const ConfigRecord& record, bool lineFunc) {
  const uint8_t sensor = lineFunc ? Byte(record.Sensor | kLinearFromEmfBit) : record.Sensor;
  return {address, {sensor, record.Device, 0, kConfigured}};
}

}  // namespace

MemoryWord Int32Word(uint16_t address, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  return {address, {Byte(bits), Byte(bits >> 8), Byte(bits >> 16), Byte(bits >> 24)}};
}

MemoryWord FloatWord(uint16_t address, float value) {
  return Int32Word(address, std::bit_cast<int32_t>(value));
}

MemoryWord LoadingInputWord(const ConfigRecord& record) {
  const auto sensor = LookupSensor(record.Sensor);
  const uint8_t tableIndex = record.Mode == kModeEmf ? record.TermoC : record.Rezist;
  return {loading_memory::kInputWord, {record.Mode, tableIndex, sensor ? sensor->R0 : Byte(0), 0}};
}

MemoryWord LoadingStateWord(const ConfigRecord& record, bool lineFunc) {
  return StateWord(loading_memory::kStateWord, record, lineFunc);
}

MemoryWord VelmorStateWord(const ConfigRecord& record, bool lineFunc) {
  return StateWord(velmor_memory::kStateWord, record, lineFunc);
}

MemoryWord VelmorSwitchWordA(const ConfigRecord& record, const VelmorSwitches& switches) {
  return {velmor_memory::kSwitchWordA,
          {record.Sensor, Byte(switches.coldJunction), Byte(switches.scheme),
           Byte(switches.squareRoot)}};
}

MemoryWord VelmorSwitchWordB(const VelmorSwitches& switches) {
  return {velmor_memory::kSwitchWordB,
          {Byte(switches.outputRange), Byte(switches.sensorBreak), 0, 0}};
}

}  // namespace zelto::config
