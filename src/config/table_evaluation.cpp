#include "config/table_evaluation.h"

#include "config/conversion_tables.h"
#include "config/real_conversion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelto::config {
namespace {

// The exponential term of the type K reference function above 0 °C.
constexpr double kKa0 = 0.1185976;
constexpr double kKa1 = -0.0001183432;
constexpr double kKa2 = 126.9686;
constexpr int kTypeKExponentialSegment = 2;

}  // namespace

TableEvaluation::TableEvaluation(const SensorTable& table, float argument)
    : table_(table), x_(argument) {}

int TableEvaluation::SegmentCount() const {
  return table_.Counts[0];
}

bool TableEvaluation::HasTermsLeft() const {
  return term_ < table_.Counts[segment_] && firstCoefficient_ + term_ < kMaxCoefficients;
}

bool TableEvaluation::Advance() {
  const int n = SegmentCount();
  switch (step_) {
    case Step::kTruncate: {
      // A table read back from a device may hold anything; no segment count, no value.
      const auto scaled = TruncateToInt32(static_cast<double>(x_) * kKnotScale);
      if (!scaled || n < 1 || n > kMaxSegments) {
        sum_ = std::numeric_limits<float>::quiet_NaN();
        step_ = Step::kDone;
        return false;
      }
      v_ = *scaled;
      step_ = Step::kClamp;
      return true;
    }
    case Step::kClamp:
      v_ = std::clamp(v_, std::min(table_.Knots[0], table_.Knots[n]), table_.Knots[n]);
      step_ = Step::kLocate;
      return true;
    case Step::kLocate:
      segment_ = 1;
      while (segment_ < n && v_ > table_.Knots[segment_])
        ++segment_;
      step_ = Step::kSkipPassed;
      return true;
    case Step::kSkipPassed:
      firstCoefficient_ = 0;
      for (int passed = 1; passed < segment_; ++passed)
        firstCoefficient_ += table_.Counts[passed];
      step_ = Step::kStartSum;
      return true;
    case Step::kStartSum: {
      sum_ = 0.0f;
      if (IsTypeKTemperatureToEmf(table_) && segment_ == kTypeKExponentialSegment) {
        const double offset = static_cast<double>(x_) - kKa2;
        sum_ = static_cast<float>(kKa0 * std::exp(kKa1 * offset * offset));
      }
      power_ = 1.0f;
      term_ = 0;
      step_ = HasTermsLeft() ? Step::kAddTerm : Step::kFinish;
      return true;
    }
    case Step::kAddTerm:
      // Each step as a whole is rounded to float; rounding c * p on its own first gives other
      // figures than the device.
      sum_ = static_cast<float>(
          static_cast<double>(table_.Coef[firstCoefficient_ + term_]) * power_ + sum_);
      power_ = x_ * power_;
      ++term_;
      if (!HasTermsLeft())
        step_ = Step::kFinish;
      return true;
    case Step::kFinish:
      step_ = Step::kDone;
      return false;
    case Step::kDone:
      return false;
  }
  return false;
}

float Evaluate(const SensorTable& table, float argument) {
  TableEvaluation evaluation(table, argument);
  while (evaluation.Advance()) {
  }
  return evaluation.Result();
}

}  // namespace zelto::config
