#pragma once

#include "config/config_record.h"

#include <array>
#include <cstdint>

namespace zelto::config {

// One word write to the configuration memory; bytes in ascending address order.
struct MemoryWord {
  uint16_t address = 0;
  std::array<uint8_t, 4> bytes{};

  bool operator==(const MemoryWord&) const = default;
};

MemoryWord Int32Word(uint16_t address, int32_t value);
MemoryWord FloatWord(uint16_t address, float value);

// Table-loading models: Mode; TermoC for an EMF input, Rezist otherwise; R0; 0.
MemoryWord LoadingInputWord(const ConfigRecord& record);
// Sensor (bit 7 set when the output is linear from EMF), device, 0, and 1 for "configured";
// at word 8 on the table-loading models and at word 116 on Velmor-7.
MemoryWord LoadingStateWord(const ConfigRecord& record, bool lineFunc);
MemoryWord VelmorStateWord(const ConfigRecord& record, bool lineFunc);

// The Velmor-7 switches, as the window's controls hold them when the configuration is written.
struct VelmorSwitches {
  bool coldJunction = false;  // SetCoolJunk
  int scheme = 0;             // SetSheme: 0 four-wire, 1 three-wire, 2 two-wire
  bool squareRoot = false;    // SetSqrt
  int outputRange = 0;        // SetOutCurrent: 0 0-5 mA, 1 0-20 mA, 2 4-20 mA
  bool sensorBreak = false;   // SetSensorBreak
};

MemoryWord VelmorSwitchWordA(const ConfigRecord& record, const VelmorSwitches& switches);
MemoryWord VelmorSwitchWordB(const VelmorSwitches& switches);

}  // namespace zelto::config
