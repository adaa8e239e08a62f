#include "check/point_verdict.h"

#include <cmath>

namespace zelto::check {
namespace {

constexpr double kPercent = 100.0;
constexpr double kMostTolerance = 100.0;
constexpr double kSettledShare = 0.1;
// Well below any meter's resolution, well above the rounding of a difference of two currents.
constexpr double kRoundingAllowance = 1e-9;

}  // namespace

bool IsValidTolerance(double tolerance) {
  return tolerance > 0.0 && tolerance <= kMostTolerance;
}

std::string_view PointResultKey(PointResult result) {
  switch (result) {
    case PointResult::kPass:
      return "pass";
    case PointResult::kFail:
      return "fail";
    case PointResult::kUnstable:
      return "unstable";
  }
  return {};
}

PointVerdict JudgePoint(const CheckPoint& point, const OutputScale& output, double measured,
                        double tolerance) {
  const double error = (measured - point.expected) / output.span * kPercent;
  const bool within = std::abs(error) <= tolerance + kRoundingAllowance;
  return {error, within ? PointResult::kPass : PointResult::kFail};
}

double SettledSpread(double tolerance, const OutputScale& output) {
  return tolerance / kPercent * output.span * kSettledShare;
}

}  // namespace zelto::check
