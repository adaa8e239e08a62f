#include "config/conversion_self_test.h"

#include "config/conversion_tables.h"
#include "config/table_evaluation.h"
#include "config/trace_lines.h"

#include <array>

namespace zelto::config {
namespace {

constexpr int kPt100 = 1;

struct SelfTestRun {
  const SensorTable& table;
  std::array<float, 4> arguments;
};

}  // namespace

std::vector<std::string> ConversionSelfTestLines() {
  const std::array<SelfTestRun, 4> runs{{
      {TemperatureToRatioTable(kPt100), {0.0f, 200.0f, 600.0f, 850.0f}},
      {RatioToTemperatureTable(kPt100), {1.0f, 1.7586f, 3.1371f, 3.9048f}},
      {TemperatureToEmfTable(kThermocoupleK), {-200.0f, 0.0f, 1000.0f, 1350.0f}},
      {EmfToTemperatureTable(kThermocoupleK), {-5.891f, 0.0f, 41.276f, 54.138f}},
  }};
  std::vector<std::string> lines;
  for (const SelfTestRun& run : runs) {
    std::array<float, 4> results{};
    for (std::size_t i = 0; i < results.size(); ++i) {
      results[i] = Evaluate(run.table, run.arguments[i]);
    }
    lines.push_back(ArgumentsTraceLine(run.arguments));
    lines.push_back(ResultsTraceLine(results));
    lines.emplace_back();
  }
  return lines;
}

}  // namespace zelto::config
