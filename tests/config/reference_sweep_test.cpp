#include "config/conversion_tables.h"
#include "config/sensor_catalogue.h"
#include "config/table_evaluation.h"
#include "its90_reference.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace zelto::config {
namespace {

using testing::LoadIts90Reference;

struct Type {
  std::string letter;
  int termoC;
  int sensorCode;
};

const Type kTypes[] = {{"S", kThermocoupleS, 12},
                       {"B", kThermocoupleB, 13},
                       {"J", kThermocoupleJ, 9},
                       {"K", kThermocoupleK, 11}};

// Every stored coefficient is the nearest float of the published one, segment for segment.
void ExpectSameCoefficients(const SensorTable& table, const testing::PublishedFunction& published,
                            const std::string& what) {
  ASSERT_EQ(table.Counts[0], published.coefficients.size()) << what;
  int j = 0;
  for (std::size_t segment = 0; segment < published.coefficients.size(); ++segment) {
    ASSERT_EQ(table.Counts[segment + 1], published.coefficients[segment].size()) << what;
    for (const double c : published.coefficients[segment]) {
      EXPECT_EQ(table.Coef[j], static_cast<float>(c)) << what << " coefficient " << j;
      ++j;
    }
  }
}

TEST(ReferenceFunctions, CoefficientsAreThePublishedOnes) {
  const auto& reference = LoadIts90Reference();
  for (const Type& type : kTypes) {
    ExpectSameCoefficients(TemperatureToEmfTable(type.termoC), reference.direct.at(type.letter),
                           type.letter + " direct");
    ExpectSameCoefficients(EmfToTemperatureTable(type.termoC), reference.inverse.at(type.letter),
                           type.letter + " inverse");
  }
}

TEST(ReferenceFunctions, PublishedTableValuesToTheLastDigit) {
  const auto& reference = LoadIts90Reference();
  int checked = 0;
  for (const Type& type : kTypes) {
    for (const auto& point : reference.points.at(type.letter)) {
      const float emf =
          Evaluate(TemperatureToEmfTable(type.termoC), static_cast<float>(point.temperature));
      const double scale = std::pow(10.0, point.decimals);
      EXPECT_EQ(std::round(emf * scale) / scale, point.emf)
          << type.letter << " at " << point.temperature << " gives " << emf;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 12);
}

TEST(ReferenceFunctions, SweepOverEachSensorRange) {
  const auto& reference = LoadIts90Reference();
  for (const Type& type : kTypes) {
    const auto sensor = LookupSensor(type.sensorCode);
    ASSERT_TRUE(sensor);
    const auto& direct = reference.direct.at(type.letter);
    double worstEmf = 0;
    double worstRoundTrip = 0;
    for (int t = sensor->LimMin; t <= sensor->LimMax; ++t) {
      const float temperature = static_cast<float>(t);
      const float emf = Evaluate(TemperatureToEmfTable(type.termoC), temperature);
      const float back = Evaluate(EmfToTemperatureTable(type.termoC), emf);
      worstEmf = std::max(worstEmf, std::fabs(emf - direct(t)));
      worstRoundTrip = std::max(worstRoundTrip, std::fabs(static_cast<double>(back) - t));
    }
    EXPECT_LT(worstEmf, 0.001) << type.letter;
    EXPECT_LT(worstRoundTrip, 0.06) << type.letter;
  }
}

}  // namespace
}  // namespace zelto::config
