#pragma once

#include "config/config_record.h"
#include "config/memory_words.h"
#include "config/write_plan.h"

namespace zelto::config {

// What the configuration's write sequences send, as plain data: the words a backup reads first
// and a restore writes back. `model` is the position selected in the device list.

// The complete configuration write, with the range ends as DevRngMin and DevRngMax hold them
// (ComputeDeviceRangeWords first). Table-loading models: words 0, 8, 16..28, 84, 88, the three
// table images and the end marker, no action; Velmor-7: its ten words and ActConfigDone.
WritePlan ConfigurationWritePlan(const ConfigRecord& record, int model, bool lineFunc,
                                 const VelmorSwitches& switches);

// The range correction (kCorrect) or its reset (kResetCorrection): gain and offset at words 84
// and 88 on the table-loading models, nothing on the others; ActWriteDone for every model.
WritePlan CorrectionPlan(WriteOperation operation, int model, float au, float bu);

}  // namespace zelto::config
