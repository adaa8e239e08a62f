#include "sim/transmitter.h"

#include <bit>
#include <cmath>
#include <numbers>

namespace zelto::sim {
namespace {

constexpr int kLastWord = kMemorySize - 4;
constexpr int kVelmorModel = 2;

// Firmware 2.4.17 of 14.03.2022.
constexpr std::uint32_t kFirmwareVersion = 0x02040011;
constexpr std::uint32_t kFirmwareDate = 0x07E6030E;

// Factory calibration: neutral gains and offsets, and the reference values each family
// leaves the factory with.
constexpr std::array<std::uint16_t, 18> kTableModelReferences{
    6301,  8091,  9980,  11973, 14087, 16324, 18703, 21236, 23932,
    26813, 29899, 33212, 36780, 40629, 44797, 49326, 54257, 0};
constexpr std::array<std::uint16_t, 14> kVelmorReferences{
    2635, 15058, 2635, 12554, 22571, 32686, 42913, 53249, 3480, 13406, 23428, 33554, 43787, 65535};

// What the monitor addresses hover around, and how far they swing.
constexpr std::array<std::int32_t, kMonitorCount> kMonitorBase{
    1, 12500, 3200, 16384, 21000, 250, 4000, 12000, 700, 0, 0, 0, 900, 1100};
constexpr std::array<std::int32_t, kMonitorCount> kMonitorSwing{0,   400, 60, 500, 700, 5,  120,
                                                                300, 20,  0,  0,   0,   15, 25};

void PutWord(MemoryImage& memory, int address, std::uint32_t word) {
  for (int i = 0; i < 4; ++i)
    memory[address + i] = static_cast<std::uint8_t>(word >> (8 * i));
}

void PutReferences(MemoryImage& memory, int first, const std::uint16_t* values, int count) {
  for (int i = 0; i + 1 < count; i += 2) {
    PutWord(memory, first + 2 * i, values[i] | static_cast<std::uint32_t>(values[i + 1]) << 16);
  }
}

MemoryImage FactoryMemory(int model) {
  MemoryImage memory{};
  const auto one = std::bit_cast<std::uint32_t>(1.0f);
  if (model == kVelmorModel) {
    for (int address = 32; address <= 60; address += 8)
      PutWord(memory, address, one);
    PutReferences(memory, 64, kVelmorReferences.data(), kVelmorReferences.size());
  } else {
    for (const int address : {32, 40, 84})
      PutWord(memory, address, one);
    PutReferences(memory, 48, kTableModelReferences.data(), kTableModelReferences.size());
  }
  return memory;
}

bool IsWordAddress(int address) {
  return address % 4 == 0 && address <= kLastWord;
}

bool IsFirmwareWord(int address) {
  return address == kFirmwareVersionWord || address == kFirmwareDateWord;
}

}  // namespace

Transmitter::Transmitter(int model)
    : typeCode_(model + 1),
      firmwareVersion_(kFirmwareVersion),
      firmwareDate_(kFirmwareDate),
      memory_(FactoryMemory(model)) {
  PresetFirmwareWords();
}

void Transmitter::LoadMemory(const MemoryImage& image) {
  memory_ = image;
  PresetFirmwareWords();
}

void Transmitter::SetFirmware(std::uint32_t versionWord, std::uint32_t dateWord) {
  firmwareVersion_ = versionWord;
  firmwareDate_ = dateWord;
  PresetFirmwareWords();
}

void Transmitter::PresetFirmwareWords() {
  PutWord(memory_, kFirmwareVersionWord, firmwareVersion_);
  PutWord(memory_, kFirmwareDateWord, firmwareDate_);
}

std::optional<Frame> Transmitter::Answer(const Frame& request) {
  if (request[0] != kHeader || request[1] != kRequestTag || !SumsToZero(request))
    return {};
  const int address = AddressOf(request);
  std::uint32_t data = 0;
  switch (request[kCommandOffset]) {
    case kWriteWord:
      if (IsWordAddress(address) && !IsFirmwareWord(address)) {
        for (int i = 0; i < 4; ++i)
          memory_[address + i] = request[kDataOffset + i];
      }
      data = WordAt(address);
      break;
    case kReadWord:
      data = WordAt(address);
      break;
    case kReadRam:
      data = WorkingMemory(address);
      break;
    case kAction: {
      const std::uint8_t code = request[kDataOffset];
      if (code < 0x20 || code > 0x22)
        return {};
      data = code;
      break;
    }
    default:
      return {};
  }
  Frame reply{};
  reply[0] = kHeader;
  reply[1] = kReplyTag;
  reply[2] = request[2];
  reply[3] = request[3];
  for (int i = 0; i < 4; ++i)
    reply[kDataOffset + i] = static_cast<std::uint8_t>(data >> (8 * i));
  reply[kTypeOffset] = static_cast<std::uint8_t>(typeCode_);
  reply[kCommandOffset] = request[kCommandOffset];
  Seal(reply);
  return reply;
}

std::uint32_t Transmitter::WordAt(int address) const {
  if (!IsWordAddress(address))
    return 0;
  std::uint32_t word = 0;
  for (int i = 0; i < 4; ++i)
    word |= static_cast<std::uint32_t>(memory_[address + i]) << (8 * i);
  return word;
}

std::uint32_t Transmitter::WorkingMemory(int address) const {
  if (address >= kTableMirrorFirst && address <= kTableMirrorLast) {
    return memory_[address - kTableMirrorOffset];
  }
  if (address >= kMonitorFirst && address < kMonitorFirst + kMonitorCount) {
    return static_cast<std::uint32_t>(MonitorValue(address - kMonitorFirst));
  }
  return 0;  // address 0 answers identification through the type code alone
}

void Transmitter::SetMonitorValue(int index, std::optional<std::int32_t> value) {
  if (index >= 0 && index < kMonitorCount)
    heldMonitorValues_[index] = value;
}

std::int32_t Transmitter::MonitorValue(int index) const {
  if (const auto held = heldMonitorValues_[index])
    return *held;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const double phase = 2.0 * std::numbers::pi * seconds / 20.0 + index;
  return kMonitorBase[index] +
         static_cast<std::int32_t>(std::lround(kMonitorSwing[index] * std::sin(phase)));
}

}  // namespace zelto::sim
