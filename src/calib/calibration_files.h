#pragma once

#include "calib/calib_block.h"
#include "files/file_outcome.h"
#include "link/reporter.h"

#include <optional>
#include <string>

namespace zelto::calib {

// The calibration files. The window chooses the file with its dialogs and passes the chosen
// path (local file-name encoding); a cancelled dialog calls nothing. Each operation reports its
// outcome in the status panel; `model` and calibrVisible are ShowCalibration's, for the
// operations after which the block is shown.

// The block's 72 bytes as they are. "Файл записан"; no display follows.
files::FileOutcome SaveCalibrationBin(const std::string& path, const CalibBlock& block,
                                      Reporter& reporter);

// Up to 72 bytes over the block from its first byte. "Файл записан" (the text the save shows as
// well); a shorter file replaces only its leading bytes and is reported as a bad format
// instead. The block is shown in any case.
files::FileOutcome LoadCalibrationBin(const std::string& path, CalibBlock& block, int model,
                                      bool calibrVisible, Reporter& reporter);

// Nine lines: each pair as "%f  %f", then the reference values four to a line, "%d  %d  %d  %d".
// A pair value that is no finite number shows as "nan", "-nan", "inf" or "-inf", which the text
// load reads back. No text on success. The block is shown in any case.
files::FileOutcome SaveCalibrationText(const std::string& path, const CalibBlock& block, int model,
                                       bool calibrVisible, Reporter& reporter);

// The 8 reals and 20 integers of the text form, separated by any white space; each integer is
// stored as its low 16 bits, so -1 loads as 65535. A real may be "nan" or "inf" with a sign, so
// every file the text save writes loads back: a NaN keeps its sign, its other bits do not. The
// first item that does not read ends the loading: it and the later fields keep their values,
// and it is reported as a bad format. No text on success. The block is shown in any case.
files::FileOutcome LoadCalibrationText(const std::string& path, CalibBlock& block, int model,
                                       bool calibrVisible, Reporter& reporter);

// The text form of a block, as SaveCalibrationText writes it: eight reals and twenty integers.
std::string CalibrationText(const CalibBlock& block);
inline constexpr int kCalibrationTextValues = 28;

// How many numbers the text file holds, read as the text load reads them, up to the first item
// that does not read; nothing when the file cannot be read.
std::optional<int> CountCalibrationTextValues(const std::string& path);

}  // namespace zelto::calib
