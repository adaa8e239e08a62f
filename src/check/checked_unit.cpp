#include "check/checked_unit.h"

#include "config/memory_map.h"
#include "config/nominal_currents.h"
#include "config/summary_lines.h"

#include <QDate>
#include <QString>

#include <algorithm>

namespace zelto::check {
namespace {

// The words the unit's configuration is decoded from, after its identity.
std::vector<std::uint16_t> ConfigurationWords(int model) {
  if (config::IsTableLoadingDevice(model)) {
    return {config::loading_memory::kStateWord,
            config::kDevRngMinWord,
            config::kDevRngMaxWord,
            config::kCrnMixWord,
            config::kCrtMaxWord,
            config::loading_memory::kAuWord,
            config::loading_memory::kBuWord};
  }
  return {config::velmor_memory::kSwitchWordA,
          config::velmor_memory::kSwitchWordB,
          config::velmor_memory::kStateWord,
          config::kDevRngMinWord,
          config::kDevRngMaxWord,
          config::kCrnMixWord,
          config::kCrtMaxWord,
          config::velmor_memory::kAuWord,
          config::velmor_memory::kBuWord};
}

std::uint32_t ValueOf(const config::MemoryWord& word) {
  return static_cast<std::uint32_t>(word.bytes[0]) |
         static_cast<std::uint32_t>(word.bytes[1]) << 8 |
         static_cast<std::uint32_t>(word.bytes[2]) << 16 |
         static_cast<std::uint32_t>(word.bytes[3]) << 24;
}

// "14.03.2022" from the date word, as a report prints dates.
std::string DayMonthYear(std::uint32_t dateWord) {
  const QDate date =
      QDate::fromString(QString::fromStdString(config::FirmwareDateIso(dateWord)), Qt::ISODate);
  if (!date.isValid())
    return config::FirmwareDateIso(dateWord);
  return date.toString("dd.MM.yyyy").toStdString();
}

}  // namespace

std::variant<CheckedUnit, keep::BackupFailure> ReadCheckedUnit(Link& link, Reporter& reporter,
                                                               int model) {
  std::vector<std::uint16_t> addresses = keep::IdentityAddresses(model);
  const auto words = ConfigurationWords(model);
  addresses.insert(addresses.end(), words.begin(), words.end());
  keep::DeviceWords device(link);
  if (const auto failure = device.Read(addresses, reporter); failure != keep::BackupFailure::kNone)
    return failure;
  const config::WordLookup lookup = [&](std::uint16_t address) -> std::optional<std::uint32_t> {
    const auto word = device.Word(address);
    return word ? std::optional(ValueOf(*word)) : std::nullopt;
  };
  CheckedUnit unit;
  unit.identity = keep::IdentityOf(device, model);
  unit.firmware = config::FirmwareVersionText(model, *lookup(config::kFirmwareVersionWord)) + " " +
                  DayMonthYear(*lookup(config::kFirmwareDateWord));
  // Every word it needs was read above.
  unit.stored = config::DecodeStoredConfiguration(model, lookup).value_or(unit.stored);
  return unit;
}

}  // namespace zelto::check
