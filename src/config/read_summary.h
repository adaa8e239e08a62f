#pragma once

#include "config/config_record.h"
#include "config/device_outcome.h"
#include "link/link.h"
#include "link/reporter.h"

namespace zelto::config {

// The read command: the firmware identification and the stored configuration of the connected
// transmitter as a summary in the memo, which is cleared first. The variant follows the record's
// Device; the model name shown follows `model`, the position selected in the device list.
// Reports "Чтение завершено" or "Прибор не отвечает" (lines built before the silence stay), and
// "Неизвестный тип прибора" for a Device of no model, reading nothing. Never changes the record.
DeviceOutcome ReadSummary(Link& link, Reporter& reporter, const ConfigRecord& record, int model);

// The two variants; false at the first request without reply.
bool ReadLoadingSummary(Link& link, Reporter& reporter, int model);
bool ReadVelmorSummary(Link& link, Reporter& reporter, int model);

}  // namespace zelto::config
