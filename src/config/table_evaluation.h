#pragma once

#include "config/sensor_table.h"

#include <cstdint>

namespace zelto::config {

// One evaluation of a table at an argument, as a resumable sequence of seven steps, so that a
// caller may spread the work out; Evaluate drives it to the end in one call. The arithmetic
// is the transmitter's own (float, powers built upward, each step rounded to float), so the
// program computes exactly what the device will.
class TableEvaluation {
 public:
  enum class Step {
    kTruncate,    // argument x 10000 toward zero
    kClamp,       // to the table's ends, for the choice of segment only
    kLocate,      // a value on a knot belongs to the lower segment
    kSkipPassed,  // the coefficients of the segments below
    kStartSum,    // with the type K exponential term in its second segment
    kAddTerm,     // one power per call
    kFinish,
    kDone,
  };

  TableEvaluation(const SensorTable& table, float argument);

  // Performs the next step; false once the result is ready.
  bool Advance();
  Step NextStep() const { return step_; }
  // NaN for an argument that is not finite or a table with no valid segment count.
  float Result() const { return sum_; }

 private:
  int SegmentCount() const;
  bool HasTermsLeft() const;

  const SensorTable& table_;
  float x_;
  Step step_ = Step::kTruncate;
  int32_t v_ = 0;
  int segment_ = 1;
  int firstCoefficient_ = 0;
  int term_ = 0;
  float sum_ = 0.0f;
  float power_ = 1.0f;
};

// The table's value at the argument; outside the knots the end polynomial extrapolates.
float Evaluate(const SensorTable& table, float argument);

}  // namespace zelto::config
