#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::config {

// The lines of the configuration summary, built from the words as the device sent them (each a
// little-endian 32-bit word, b0 its lowest byte). A device may send any value: where a table has
// no entry for a code, the line shows the raw number instead ("код 37").

inline constexpr std::string_view kNotConfiguredLine = "Прибор не конфигурирован";

// The name shown for the position selected in the device list, whatever the device reports.
std::string_view ModelName(int model);

// "Dastra-2  Версия прошивки прибора 02.07.2008" on the table-loading models; Velmor-7 writes its
// first number without the leading zero: "Velmor-7  Версия прошивки прибора 2.07.2008".
std::string LoadingVersionLine(int model, uint32_t versionWord);
std::string VelmorVersionLine(int model, uint32_t versionWord);
// The version as those lines show it, without the rest: "02.07.2008", or "2.07.2008" on Velmor-7.
std::string FirmwareVersionText(int model, uint32_t versionWord);
// The firmware's date in ISO 8601 order, "2009-03-05", for the tool's JSON.
std::string FirmwareDateIso(uint32_t dateWord);
// " от  5.03.2009", appended to the version line.
std::string DateText(uint32_t dateWord);

// The state word: sensor code in bits 0..5 of b0, linear-from-EMF in bit 7, configured in bit 0
// of b3.
bool IsConfigured(uint32_t stateWord);
int StateSensorCode(uint32_t stateWord);
bool IsLinearFromEmf(uint32_t stateWord);

// The catalogue's summary name, or "код N" for a code the catalogue does not have.
std::string SensorName(int code);

// The temperature that a stored range end stands for when the output is linear in the signal
// (tenths of a mV, or of W), rounded up as the device's display does; nothing for a code without
// a conversion or a value with no finite temperature.
std::optional<int32_t> StoredEndTemperature(int sensorCode, int32_t storedEnd);

// The table-loading models' range line.
std::string LoadingRangeLine(uint32_t stateWord, int32_t low, int32_t high);

// Velmor-7: the five switch lines from switch words A and B, and the sensor and range lines
// of a configured device.
std::vector<std::string> VelmorSwitchLines(uint32_t wordA, uint32_t wordB);
std::vector<std::string> VelmorRangeLines(uint32_t stateWord, int32_t low, int32_t high);

// The fixed phrases the summary lines are made of, the sensor names among them, each marked for
// translation in the window's scope ("Zelto"): the window shows a summary kept in a backup in
// the interface's words, while the memo's lines and the files keep them as they are.
std::vector<std::string_view> SummaryPhrases();

// The texts of those lines for one setting: "3-проводная", "(4...20)мА", "включено"; "код N" for
// a value with no entry.
std::string SchemeName(int scheme);
std::string OutputRangeName(int outputRange);
std::string SwitchStateName(int state);

}  // namespace zelto::config
