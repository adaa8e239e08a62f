#include "link/port_table.h"

#include "link/port_number.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <charconv>

namespace zelto {
namespace {

constexpr std::string_view kBuiltInPrefix = "/dev/ttyS";

// COM<k+1> for /dev/ttyS<k>; 0 for any other path.
int BuiltInNumber(const std::string& path) {
  if (!path.starts_with(kBuiltInPrefix))
    return 0;
  const std::string_view digits = std::string_view(path).substr(kBuiltInPrefix.size());
  int k = -1;
  const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), k);
  if (digits.empty() || error != std::errc() || stop != digits.data() + digits.size() || k < 0 ||
      k + 1 > kMaxPortNumber) {
    return 0;
  }
  return k + 1;
}

}  // namespace

void PortTable::Update(std::vector<SystemPort> present) {
  std::sort(present.begin(), present.end(),
            [](const SystemPort& a, const SystemPort& b) { return a.path < b.path; });
  for (Slot& slot : slots_) {
    if (!slot.byHand)
      slot.present = false;
  }
  // Built-in ports first, so that another device never takes the number of a ttyS.
  for (const bool builtIn : {true, false}) {
    for (const SystemPort& port : present) {
      const int fixed = BuiltInNumber(port.path);
      if ((fixed != 0) != builtIn)
        continue;
      if (Slot* known = Find(port.path)) {
        known->present = true;
        if (!port.description.empty())
          known->entry.description = port.description;
        continue;
      }
      const int number = fixed != 0 && !Taken(fixed) ? fixed : NextFreeNumber();
      if (number == 0)
        continue;
      slots_.push_back({{number, port.path, port.description}, false, true});
    }
  }
}

int PortTable::Add(const std::string& path, const std::string& description) {
  if (Slot* known = Find(path)) {
    known->byHand = true;
    known->present = true;
    return known->entry.number;
  }
  const int number = NextFreeNumber();
  if (number != 0)
    slots_.push_back({{number, path, description}, true, true});
  return number;
}

std::vector<PortEntry> PortTable::Listed() const {
  std::vector<PortEntry> listed;
  for (const Slot& slot : slots_) {
    if (slot.present)
      listed.push_back(slot.entry);
  }
  std::sort(listed.begin(), listed.end(),
            [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
  return listed;
}

std::string PortTable::PathOf(int number) const {
  for (const Slot& slot : slots_) {
    if (slot.entry.number == number)
      return slot.entry.path;
  }
  return {};
}

PortTable::Slot* PortTable::Find(const std::string& path) {
  for (Slot& slot : slots_) {
    if (slot.entry.path == path)
      return &slot;
  }
  return nullptr;
}

bool PortTable::Taken(int number) const {
  return std::any_of(slots_.begin(), slots_.end(),
                     [number](const Slot& slot) { return slot.entry.number == number; });
}

// The lowest number above every number given so far, so that hand-added ports follow the
// system's; numbers left free below are not reused, which keeps the order of the list the
// order in which the ports came.
int PortTable::NextFreeNumber() const {
  int highest = 0;
  for (const Slot& slot : slots_)
    highest = std::max(highest, slot.entry.number);
  if (highest < kMaxPortNumber)
    return highest + 1;
  for (int number = 1; number <= kMaxPortNumber; ++number) {
    if (!Taken(number))
      return number;
  }
  return 0;
}

std::vector<SystemPort> SystemSerialPorts() {
  std::vector<SystemPort> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    ports.push_back({info.systemLocation().toStdString(), info.description().toStdString()});
  }
  return ports;
}

PortScanner ScannedPorts(std::vector<SystemPort> ports) {
  return [ports = std::move(ports)] { return ports; };
}

}  // namespace zelto
