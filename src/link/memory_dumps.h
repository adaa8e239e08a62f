#pragma once

#include "link/ee_image.h"
#include "link/reporter.h"

#include <string>
#include <vector>

namespace zelto {

// The coefficient counts the table dump is shown with: table 1 has room for 32, the compact
// table 2 for 24, table 3 for 20.
inline constexpr int kTable1DumpCoefficients = 32;
inline constexpr int kTable2DumpCoefficients = 24;
inline constexpr int kTable3DumpCoefficients = 20;

// 32 rows of "%04x  " and sixteen "%02x " bytes, then an empty line.
std::vector<std::string> EEImageDumpLines(const EEImage& image);

// The hex dump, then the words of the table area decoded: the range and current words, the
// calibration and correction reals, and each table's range, counts, knots and coefficients
// (count / 4 lines of four). Table 2 is shown as the device holds it, so its knots line
// overlaps the counts before it and the coefficients after it. Coefficient lines that would
// run past the image are left out.
std::vector<std::string> TablesDumpLines(const EEImage& image, int count1, int count2, int count3);

// Append the lines to the memo; neither clears it first.
void DumpEEImage(const EEImage& image, Reporter& reporter);
void DumpTables(const EEImage& image, int count1, int count2, int count3, Reporter& reporter);

}  // namespace zelto
