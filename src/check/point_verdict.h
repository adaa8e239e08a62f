#pragma once

#include "check/check_plan.h"

#include <string_view>

namespace zelto::check {

inline constexpr double kDefaultTolerance = 0.25;  // % of the output span

// More than 0 and at most 100 % of span.
bool IsValidTolerance(double tolerance);

enum class PointResult { kPass, kFail, kUnstable };

// "pass", "fail", "unstable": the record's key.
std::string_view PointResultKey(PointResult result);

struct PointVerdict {
  double error = 0.0;  // (measured - expected) / span x 100, % of span
  PointResult result = PointResult::kPass;
};

// A point passes when its error is within the tolerance either way. A reading that lands on the
// tolerance itself passes, whatever the last bit of its arithmetic says.
PointVerdict JudgePoint(const CheckPoint& point, const OutputScale& output, double measured,
                        double tolerance);

// The most that three readings in a row may spread and still count as settled: a tenth of the
// tolerance, in mA.
double SettledSpread(double tolerance, const OutputScale& output);

}  // namespace zelto::check
