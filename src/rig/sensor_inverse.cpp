#include "rig/sensor_inverse.h"

#include "config/conversion_tables.h"
#include "config/sensor_catalogue.h"
#include "config/sensor_conversion.h"
#include "config/table_evaluation.h"

#include <cmath>
#include <vector>

namespace zelto::rig {
namespace {

// Halvings of a segment's span, well past a float's resolution.
constexpr int kHalvings = 80;
// The smallest step of a table's argument: it is cut to 1/10000 before the segment is chosen.
constexpr double kArgumentStep = 1.0 / config::kKnotScale;

double Value(const config::SensorTable& table, double temperature) {
  return config::Evaluate(table, static_cast<float>(temperature));
}

// The temperature within [low, high] where the continuous piece of the function between them
// gives the signal, if it does.
std::optional<double> RootBetween(const config::SensorTable& table, double low, double high,
                                  double signal) {
  const bool rising = Value(table, high) >= Value(table, low);
  const double lowest = rising ? Value(table, low) : Value(table, high);
  const double highest = rising ? Value(table, high) : Value(table, low);
  if (!(signal >= lowest && signal <= highest))
    return std::nullopt;
  for (int i = 0; i < kHalvings; ++i) {
    const double middle = (low + high) / 2.0;
    ((Value(table, middle) < signal) == rising ? low : high) = middle;
  }
  return (low + high) / 2.0;
}

}  // namespace

std::optional<double> TemperatureOfSignal(int sensorCode, double signal) {
  const auto sensor = config::LookupSensor(sensorCode);
  if (!sensor || sensor->sensorClass == config::SensorClass::kSignal || !std::isfinite(signal))
    return std::nullopt;
  const bool thermocouple = sensor->sensorClass == config::SensorClass::kThermocouple;
  const config::SensorTable& table = thermocouple ? config::TemperatureToEmfTable(sensor->TermoC)
                                                  : config::TemperatureToRatioTable(sensor->Rezist);
  // Where the configurator's own table puts the signal: near enough to choose between the
  // temperatures that give it, and what is left where none does.
  const auto estimate = config::TemperatureAtSignal(sensorCode, static_cast<float>(signal));
  if (!estimate)
    return std::nullopt;

  // Each segment is a polynomial of its own; at a knot two of them need not meet, so one signal
  // may come from a temperature on either side, or, in the step between them, from none but the
  // knot itself. A value on a knot belongs to the lower segment.
  std::vector<double> roots;
  std::optional<double> nearestEnd;
  double nearestEndDistance = INFINITY;
  const int segments = table.Counts[0];
  for (int i = 1; i <= segments; ++i) {
    const double low = table.Knots[i - 1] * kArgumentStep + (i > 1 ? kArgumentStep : 0.0);
    const double high = table.Knots[i] * kArgumentStep;
    if (const auto root = RootBetween(table, low, high, signal))
      roots.push_back(*root);
    for (const double end : {low, high}) {
      if (std::abs(Value(table, end) - signal) < nearestEndDistance) {
        nearestEndDistance = std::abs(Value(table, end) - signal);
        nearestEnd = end;
      }
    }
  }
  if (roots.empty()) {
    const double first = Value(table, table.Knots[0] * kArgumentStep);
    const double last = Value(table, table.Knots[segments] * kArgumentStep);
    const bool within = signal > std::min(first, last) && signal < std::max(first, last);
    return within && nearestEnd ? *nearestEnd : *estimate;
  }
  double nearest = roots.front();
  for (const double root : roots) {
    if (std::abs(root - *estimate) < std::abs(nearest - *estimate))
      nearest = root;
  }
  return nearest;
}

}  // namespace zelto::rig
