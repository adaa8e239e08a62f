#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zelto::config {

inline constexpr int kSensorCount = 21;
inline constexpr int kFirstThermocouple = 9;
inline constexpr int kFirstSignalInput = 15;

enum class SensorClass { kResistance, kThermocouple, kSignal };

// Mode values of the record and of the device.
inline constexpr uint8_t kModeNone = 0;
inline constexpr uint8_t kModeEmf = 1;
inline constexpr uint8_t kModeResistance = 3;

struct SensorInfo {
  int code = 0;
  SensorClass sensorClass = SensorClass::kSignal;
  uint8_t TermoC = 3;  // 3 for anything but a thermocouple
  uint8_t Rezist = 0;  // 0 for anything but a resistance thermometer
  uint8_t Mode = kModeEmf;
  int32_t LimMin = 0;  // the full range: °C, or mV, mA, Ω for the signal inputs
  int32_t LimMax = 0;
  uint8_t R0 = 100;              // nominal resistance, Ω
  std::string_view summaryName;  // as the configuration summary shows it
  std::string_view rangeCaption;
};

// Also decodes sensor codes read from a device, so anything outside 0..20 gives nothing.
std::optional<SensorInfo> LookupSensor(int code);

}  // namespace zelto::config
