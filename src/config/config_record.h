#pragma once

#include <cstdint>

namespace zelto::config {

// The working model of the one connected transmitter. Field names are those of the
// configuration dump, which service engineers read.
struct ConfigRecord {
  uint8_t Device = 0;  // position in TypeDevice: 0, 1 table-loading models, 2 Velmor-7
  uint8_t Sensor = 0;  // catalogue code 0..20
  uint8_t Mode = 0;    // 1 EMF-type input, 3 resistance thermometer, 0 before any selection
  uint8_t TermoC = 0;  // thermocouple table index 0..6
  uint8_t Rezist = 3;  // resistance table index 0..4
  int32_t RngMin = 0;  // measuring range in whole units of the sensor's quantity
  int32_t RngMax = 100;
  int32_t DevRngMin = 0;  // the range ends as written to the device
  int32_t DevRngMax = 100;
  int32_t LimMin = 0;  // the sensor's full range
  int32_t LimMax = 100;
  int32_t CrnMix = 4;  // output current range, mA
  int32_t CrtMax = 20;
  float TmpZero = 0.0f;  // correction temperatures T1, T2
  float TmpFull = 100.0f;
  float CurZero = 0.0f;  // nominal output currents at T1, T2
  float CurFull = 0.0f;
  float Zero = 0.0f;  // output currents measured at T1, T2
  float Full = 0.0f;
  float Au = 1.0f;  // correction gain and offset; 1 and 0 mean no correction
  float Bu = 0.0f;

  bool operator==(const ConfigRecord&) const = default;
};

// The record a change of device model starts from.
inline constexpr ConfigRecord kInitialConfig{};

void ResetConfig(ConfigRecord& record);

}  // namespace zelto::config
