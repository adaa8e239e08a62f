#pragma once

#include "link/link.h"
#include "link/reporter.h"
#include "link/service_outcome.h"
#include "link/trace_flags.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelto {

// Live values of the device's working memory: slot k holds the value last read from address
// 0x500 + k, or -1 when the device did not answer. All 0 at start.
inline constexpr int kMonitorSlots = 14;
inline constexpr std::uint16_t kMonitorFirstAddress = 0x500;
using MonitorValues = std::array<std::int32_t, kMonitorSlots>;

enum class MonitorSet {
  kFull,   // 0x500..0x508, 0x50C and 0x50D: the monitor button's poll
  kShort,  // 0x500..0x507
};

// The set's addresses in poll order.
std::vector<std::uint16_t> MonitorAddresses(MonitorSet set);

// What one address gave in a poll: the value of its reply, or nothing when none came. Unlike
// a slot, it tells a device value of -1 from silence.
struct MonitorReading {
  std::uint16_t address = 0;
  std::optional<std::int32_t> value;

  bool operator==(const MonitorReading&) const = default;
};

struct MonitorCycle {
  ServiceOutcome outcome = ServiceOutcome::kDone;
  std::vector<MonitorReading> readings;  // every address of the set, in poll order
};

// Reads each address of the set into its slot, in order, then dumps the values (gated by
// fCnftoMemo). Slots 9..11 are in neither set and keep their values. The first address
// without a reply ends the poll with "Прибор не отвечает": it and the addresses of the set
// not reached become -1, as a poll of a silent device would leave them, without waiting out
// each of them; their readings have no value.
MonitorCycle PollMonitorCycle(Link& link, MonitorValues& values, MonitorSet set,
                              const TraceFlags& flags, Reporter& reporter);
// The same poll for callers that want only its outcome.
ServiceOutcome PollMonitor(Link& link, MonitorValues& values, MonitorSet set,
                           const TraceFlags& flags, Reporter& reporter);

// "M00 = %06d" .. "M12 = %06d": the slots 1..7 as the service engineer reads them.
std::vector<std::string> MonitorLines(const MonitorValues& values);

// While fCnftoMemo is on: clears the memo and shows the monitor lines.
void DumpMonitor(const MonitorValues& values, const TraceFlags& flags, Reporter& reporter);

}  // namespace zelto
