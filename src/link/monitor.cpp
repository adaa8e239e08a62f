#include "link/monitor.h"

#include "link/status_texts.h"

#include <cstdio>
#include <span>

namespace zelto {
namespace {

constexpr std::array<int, 11> kFullSet{0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 13};
constexpr std::array<int, 8> kShortSet{0, 1, 2, 3, 4, 5, 6, 7};

struct ShownSlot {
  const char* format;
  int slot;
};
constexpr std::array<ShownSlot, 7> kShownSlots{{{"M00 = %06d", 1},
                                                {"M01 = %06d", 2},
                                                {"M02 = %06d", 3},
                                                {"M03 = %06d", 4},
                                                {"M10 = %06d", 5},
                                                {"M11 = %06d", 6},
                                                {"M12 = %06d", 7}}};

std::span<const int> Slots(MonitorSet set) {
  if (set == MonitorSet::kShort)
    return kShortSet;
  return kFullSet;
}

}  // namespace

std::vector<std::uint16_t> MonitorAddresses(MonitorSet set) {
  std::vector<std::uint16_t> addresses;
  for (const int slot : Slots(set))
    addresses.push_back(static_cast<std::uint16_t>(kMonitorFirstAddress + slot));
  return addresses;
}

MonitorCycle PollMonitorCycle(Link& link, MonitorValues& values, MonitorSet set,
                              const TraceFlags& flags, Reporter& reporter) {
  MonitorCycle cycle;
  for (const int slot : Slots(set)) {
    auto& value = values[static_cast<std::size_t>(slot)];
    MonitorReading& reading = cycle.readings.emplace_back();
    reading.address = static_cast<std::uint16_t>(kMonitorFirstAddress + slot);
    if (cycle.outcome == ServiceOutcome::kNoAnswer) {
      value = -1;
      continue;
    }
    link.Request(reading.address, Payload{}, CmdReadRam);
    if (link.ReadReply()) {
      value = ReplyValue(link.ReplyBuffer());
      reading.value = value;
    } else {
      value = -1;
      cycle.outcome = ServiceOutcome::kNoAnswer;
    }
  }
  if (cycle.outcome == ServiceOutcome::kNoAnswer)
    ShowNoAnswer(link, reporter);
  DumpMonitor(values, flags, reporter);
  return cycle;
}

ServiceOutcome PollMonitor(Link& link, MonitorValues& values, MonitorSet set,
                           const TraceFlags& flags, Reporter& reporter) {
  return PollMonitorCycle(link, values, set, flags, reporter).outcome;
}

std::vector<std::string> MonitorLines(const MonitorValues& values) {
  std::vector<std::string> lines;
  for (const ShownSlot& shown : kShownSlots) {
    std::array<char, 32> line{};
    std::snprintf(line.data(), line.size(), shown.format,
                  static_cast<int>(values[static_cast<std::size_t>(shown.slot)]));
    lines.emplace_back(line.data());
  }
  return lines;
}

void DumpMonitor(const MonitorValues& values, const TraceFlags& flags, Reporter& reporter) {
  if (!flags.Has(fCnftoMemo))
    return;
  reporter.ClearMemo();
  for (const std::string& line : MonitorLines(values))
    reporter.AddMemoLine(line);
}

}  // namespace zelto
