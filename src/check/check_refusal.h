#pragma once

#include <string_view>

namespace zelto::check {

// Why an output check cannot start, each with its words for the user.
enum class Refusal {
  kUnknownModel,
  kNotConfigured,
  kUnknownSensor,
  kCurrentRangeWords,  // a table-loading unit whose words 24 and 28 do not hold 4 and 20 mA
  kUnknownOutputRange,
  kSquareRoot,  // the output follows the square root, not the range
  kEmptyRange,
  kLinearWithoutTables,  // the linear-from-EMF flag on an input that has no signal tables
  kNoSignal,             // a point's signal has no finite value
  kPointsNotNumbers,
  kPointsCount,
  kPointsOutsideRange,
  kPointsNotAscending,
  kTolerance,
};

// The Russian text, marked for translation in the scope "status".
std::string_view RefusalText(Refusal refusal);

}  // namespace zelto::check
