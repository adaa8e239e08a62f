#pragma once

#include "calib/calib_block.h"
#include "link/reporter.h"

#include <string>
#include <vector>

namespace zelto::calib {

// The block as the memo shows it for the model at position `model` of the device list: the
// gains, the offsets, then the reference values eight to a line. Table-loading models show
// three pairs and five lines, the last with Ref[16..19], the values the block has; Velmor-7
// shows four pairs and Ref[0..15]. No lines for any other position.
std::vector<std::string> CalibrationLines(const CalibBlock& block, int model);

// Appends the lines to the memo, without clearing it, but only while the menu item Calibr is
// visible: the calibration display belongs to that menu.
void ShowCalibration(const CalibBlock& block, int model, bool calibrVisible, Reporter& reporter);

}  // namespace zelto::calib
