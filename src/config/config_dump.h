#pragma once

#include "config/config_record.h"
#include "link/reporter.h"
#include "link/trace_flags.h"

#include <array>
#include <string>

namespace zelto::config {

// The six lines of the configuration dump: device and sensor, mode, table indexes, and the
// range, output currents and measured currents as reals with three decimals.
std::array<std::string, 6> ConfigDumpLines(const ConfigRecord& record);

// While fCnftoMemo is on: clears the memo and shows the dump. The window's ConfigView calls it
// whenever the record's device, sensor or range changes.
void DumpConfig(const ConfigRecord& record, const TraceFlags& flags, Reporter& reporter);

}  // namespace zelto::config
