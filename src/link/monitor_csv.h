#pragma once

#include "link/monitor.h"

#include <chrono>
#include <string>
#include <vector>

namespace zelto {

// A monitor recording as comma-separated lines, the same from the window and the tool: a header,
// then one line per poll cycle. Lines carry no line end.

// "time", then the set's addresses in poll order: time,0x0500,0x0501,…,0x050C,0x050D.
std::string MonitorCsvHeader(MonitorSet set);

// The cycle's start, then each reading as a whole number, an empty cell where no reply came.
std::string MonitorCsvLine(std::chrono::system_clock::time_point start,
                           const std::vector<MonitorReading>& readings);

// Local time in ISO 8601 with milliseconds and the UTC offset: 2026-12-07T14:15:02.123+01:00.
std::string LocalIsoTime(std::chrono::system_clock::time_point time);

}  // namespace zelto
