#pragma once

#include "calib/calib_block.h"
#include "config/write_plan.h"

#include <optional>

namespace zelto::calib {

// What the calibration's write sequences send, as plain data: the pair words, then the
// reference words, then the family's done action (ActWriteDone on the table-loading models,
// ActCalibrDone on Velmor-7). `model` is a device position; nothing for one without a family.

// The block's pairs and reference values (calib write).
std::optional<config::WritePlan> CalibrationWritePlan(const CalibBlock& block, int model);
// Neutral pairs only (calib clear).
std::optional<config::WritePlan> CalibrationClearPlan(int model);
// Neutral pairs and the family's neutral reference values (calib clear-full).
std::optional<config::WritePlan> CalibrationClearFullPlan(int model);

}  // namespace zelto::calib
