#pragma once

#include "calib/calib_block.h"
#include "config/config_record.h"
#include "config/write_plan.h"
#include "link/link.h"
#include "link/reporter.h"
#include "link/service_outcome.h"

namespace zelto::calib {

// The calibration transfers. Each sets the progress bar from 0, makes no connection check (a
// device operation without a device simply gets no reply) and stops at the first request
// without a reply with "Прибор не отвечает": nothing more is sent or read, and the bar stays
// where the last answered word left it. `model` is the position in the device list, which
// also chooses the display; calibrVisible says whether the menu item Calibr is visible. The
// writes show their words to the guard before anything goes out (a backup reads what they will
// overwrite); when it refuses, nothing is sent and the outcome is kStopped.

// Reads the pairs and reference values of the model's family into the block and shows it;
// the last reference value the device holds (Ref[17], or Ref[13] on Velmor-7) reads as 0.
// After a silence the words read so far are in the block, and it is shown as it stands.
ServiceOutcome ReadCalibration(Link& link, CalibBlock& block, int model, bool calibrVisible,
                               Reporter& reporter);

// Writes the block's pairs and reference values for the model's family, then the family's
// done action, and shows the block.
ServiceOutcome WriteCalibration(Link& link, const CalibBlock& block, int model, bool calibrVisible,
                                Reporter& reporter, config::WriteGuard& guard = config::NoBackup());

// Writes neutral pairs (gain 1, offset 0) for the family of the record's Device, then the done
// action; the block and the memo stay as they are.
ServiceOutcome ClearCalibration(Link& link, const config::ConfigRecord& record, Reporter& reporter,
                                config::WriteGuard& guard = config::NoBackup());

// Writes neutral pairs and the family's neutral reference values for the record's Device, the
// done action, then reads the calibration back (ReadCalibration with `model`).
ServiceOutcome ClearCalibrationFull(Link& link, CalibBlock& block,
                                    const config::ConfigRecord& record, int model,
                                    bool calibrVisible, Reporter& reporter,
                                    config::WriteGuard& guard = config::NoBackup());

}  // namespace zelto::calib
