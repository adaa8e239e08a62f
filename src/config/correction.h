#pragma once

#include "config/config_record.h"
#include "link/translatable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::config {

// Status texts of a correction that cannot be computed; the write is then refused.
inline constexpr std::string_view kCorrectionSameSignalsText =
    QT_TRANSLATE_NOOP("status", "Коррекция не вычислена: сигналы в двух точках совпадают");
inline constexpr std::string_view kCorrectionNotFiniteText =
    QT_TRANSLATE_NOOP("status", "Коррекция не вычислена: недопустимый результат");

struct Correction {
  bool computed = false;
  std::string_view refusal;  // the status text when not computed
  float Au = 1.0f;           // as computed, also when refused (the trace shows it)
  float Bu = 0.0f;
  // For the trace: the nominal and measured currents at T1 and T2, and the signals s1..s4
  // (applied at T1, perceived at T1, applied at T2, perceived at T2).
  std::array<float, 4> currents{};
  std::array<float, 4> signals{};
};

// The gain Au and offset Bu (in 1/10000 of the signal unit) that map the signals the device
// perceived at the two points onto those applied. Stores them in the record only when both
// are finite and the perceived signals differ; otherwise the record is unchanged and the
// result says why.
Correction ComputeCorrection(ConfigRecord& record, bool lineFunc);

// The first three lines of the correction trace; the working-memory line read from the
// device and an empty line follow them.
std::vector<std::string> CorrectionTraceLines(const Correction& correction);

}  // namespace zelto::config
