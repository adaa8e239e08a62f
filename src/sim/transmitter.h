#pragma once

#include "sim/protocol.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

namespace zelto::sim {

inline constexpr int kMemorySize = 512;
using MemoryImage = std::array<std::uint8_t, kMemorySize>;

// Configuration memory addresses the device itself owns.
inline constexpr int kFirmwareVersionWord = 104;
inline constexpr int kFirmwareDateWord = 112;

// Working-memory addresses (the second address space of the read-RAM command).
inline constexpr int kIdentifyAddress = 0;
inline constexpr int kTableMirrorFirst = 0x309;  // mirrors configuration bytes 0x07F..0x1FF
inline constexpr int kTableMirrorLast = 0x489;
inline constexpr int kTableMirrorOffset = 0x28A;
inline constexpr int kMonitorFirst = 0x500;
inline constexpr int kMonitorCount = 14;

// A two-wire transmitter as seen from its serial line: 512 bytes of configuration memory
// read and written in words, a working memory with live values, and the action codes. The
// model position 0..2 gives its type code 1..3.
class Transmitter {
 public:
  explicit Transmitter(int model);

  // The reply to one request, or nothing for what the device ignores (a broken frame, an
  // unknown command or action).
  std::optional<Frame> Answer(const Frame& request);

  int TypeCode() const { return typeCode_; }
  const MemoryImage& Memory() const { return memory_; }
  // Takes a stored image; the firmware words stay the device's own.
  void LoadMemory(const MemoryImage& image);
  // Flashes other firmware: the version and date words as a reader gets them.
  void SetFirmware(std::uint32_t versionWord, std::uint32_t dateWord);

  // The live value at a monitor address, which drifts with time as a measurement would,
  // unless a value is held there.
  std::int32_t MonitorValue(int index) const;
  // Holds the value at monitor address 0x500 + index (0..13) in place of the drifting one;
  // nothing lets it drift again. An index outside the monitor changes nothing.
  void SetMonitorValue(int index, std::optional<std::int32_t> value);

 private:
  std::uint32_t WordAt(int address) const;
  std::uint32_t WorkingMemory(int address) const;
  void PresetFirmwareWords();

  int typeCode_;
  std::uint32_t firmwareVersion_;
  std::uint32_t firmwareDate_;
  MemoryImage memory_{};
  std::array<std::optional<std::int32_t>, kMonitorCount> heldMonitorValues_{};
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace zelto::sim
