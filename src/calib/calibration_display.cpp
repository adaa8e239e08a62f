#include "calib/calibration_display.h"

#include "calib/calibration_layout.h"

#include <array>
#include <cstdio>

namespace zelto::calib {
namespace {

template <typename... Values>
std::string Format(const char* format, Values... values) {
  std::array<char, 256> line{};
  std::snprintf(line.data(), line.size(), format, values...);
  return line.data();
}

double Pair(const CalibBlock& block, int index) {
  return static_cast<double>(block.Pairs[static_cast<std::size_t>(index)]);
}

int Ref(const CalibBlock& block, int index) {
  return block.Ref[static_cast<std::size_t>(index)];
}

std::string EightReferences(const CalibBlock& block, int first) {
  return Format("%6d,%6d,%6d,%6d,%6d,%6d,%6d,%6d", Ref(block, first), Ref(block, first + 1),
                Ref(block, first + 2), Ref(block, first + 3), Ref(block, first + 4),
                Ref(block, first + 5), Ref(block, first + 6), Ref(block, first + 7));
}

std::vector<std::string> LoadingLines(const CalibBlock& block) {
  std::vector<std::string> lines{
      Format("Ae =%9.5f, Ar =%9.5f, Au =%9.5f", Pair(block, 0), Pair(block, 2), Pair(block, 4)),
      Format("Be =%9.5f, Br =%9.5f, Bu =%9.5f", Pair(block, 1), Pair(block, 3), Pair(block, 5))};
  // Neighbouring lines overlap by four values; the last has only the four the block holds.
  for (int first = 0; first + 8 <= static_cast<int>(block.Ref.size()); first += 4)
    lines.push_back(EightReferences(block, first));
  lines.push_back(
      Format("%6d,%6d,%6d,%6d", Ref(block, 16), Ref(block, 17), Ref(block, 18), Ref(block, 19)));
  return lines;
}

std::vector<std::string> VelmorLines(const CalibBlock& block) {
  return {Format("Ae =%9.5f, Ai =%9.5f, Ar =%9.5f, Au =%9.5f", Pair(block, 0), Pair(block, 2),
                 Pair(block, 4), Pair(block, 6)),
          Format("Be =%9.5f, Bi =%9.5f, Br =%9.5f, Bu =%9.5f", Pair(block, 1), Pair(block, 3),
                 Pair(block, 5), Pair(block, 7)),
          EightReferences(block, 0), EightReferences(block, 8)};
}

}  // namespace

std::vector<std::string> CalibrationLines(const CalibBlock& block, int model) {
  const auto layout = LayoutForModel(model);
  if (!layout)
    return {};
  return layout->velmor ? VelmorLines(block) : LoadingLines(block);
}

void ShowCalibration(const CalibBlock& block, int model, bool calibrVisible, Reporter& reporter) {
  if (!calibrVisible)
    return;
  for (const std::string& line : CalibrationLines(block, model))
    reporter.AddMemoLine(line);
}

}  // namespace zelto::calib
