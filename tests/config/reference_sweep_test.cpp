#include "config/conversion_tables.h"
#include "config/sensor_catalogue.h"
#include "config/table_evaluation.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace zelto::config {
namespace {

// A published function in double precision: per range, the coefficients lowest power first.
struct Published {
  std::vector<double> highEnds;
  std::vector<std::vector<double>> coefficients;
  double a0 = 0, a1 = 0, a2 = 0;  // type K's exponential term from 0 °C on

  double operator()(double t) const {
    std::size_t range = 0;
    while (range + 1 < coefficients.size() && t > highEnds[range])
      ++range;
    double sum = t > 0 ? a0 * std::exp(a1 * (t - a2) * (t - a2)) : 0;
    double power = 1;
    for (const double c : coefficients[range])
      sum += c * std::exchange(power, power * t);
    return sum;
  }
};

struct Point {
  double temperature;
  std::string emf;  // as printed
};

// The reference file kept with the tests: functions by "K direct" or "K inverse", and the
// tabulated values by type letter.
struct Reference {
  std::map<std::string, Published> functions;
  std::map<std::string, std::vector<Point>> points;
};

Reference Load() {
  std::ifstream file(ZELTO_ITS90_REFERENCE);
  EXPECT_TRUE(file) << ZELTO_ITS90_REFERENCE;
  const std::regex section(R"(^=== (\w \w+))"), range(R"(^range \S+ \.\. (\S+))"),
      coefficient(R"(^\s+(-?\d\.\d+E[+-]\d+)\s*$)"), term(R"(a0 = (\S+), a1 = (\S+), a2 = (\S+))"),
      points(R"(^\s+(\w): )"), point(R"(t = (-?\d+) -> (-?\d+\.\d+))");
  Reference reference;
  Published* current = nullptr;
  std::string line;
  std::smatch m;
  while (std::getline(file, line)) {
    if (std::regex_search(line, m, section)) {
      current = &reference.functions[m[1]];
    } else if (std::regex_search(line, m, points)) {
      auto& list = reference.points[m[1]];
      for (std::sregex_iterator it(line.begin(), line.end(), point), end; it != end; ++it) {
        list.push_back({std::stod((*it)[1]), (*it)[2]});
      }
    } else if (current != nullptr && std::regex_search(line, m, range)) {
      current->highEnds.push_back(std::stod(m[1]));
      current->coefficients.emplace_back();
    } else if (current != nullptr && std::regex_search(line, m, coefficient)) {
      current->coefficients.back().push_back(std::stod(m[1]));
    } else if (current != nullptr && std::regex_search(line, m, term)) {
      current->a0 = std::stod(m[1]);
      current->a1 = std::stod(m[2]);
      current->a2 = std::stod(m[3]);
    }
  }
  return reference;
}

struct Type {
  std::string letter;
  int termoC;
  int sensorCode;
};

const Type kTypes[] = {{"S", kThermocoupleS, 12},
                       {"B", kThermocoupleB, 13},
                       {"J", kThermocoupleJ, 9},
                       {"K", kThermocoupleK, 11}};

TEST(ReferenceFunctions, CoefficientsAreTheNearestFloatsOfThePublishedOnes) {
  const Reference reference = Load();
  for (const Type& type : kTypes) {
    for (const auto& [direction, table] :
         {std::pair{" direct", &TemperatureToEmfTable(type.termoC)},
          std::pair{" inverse", &EmfToTemperatureTable(type.termoC)}}) {
      const Published& published = reference.functions.at(type.letter + direction);
      ASSERT_EQ(table->Counts[0], published.coefficients.size()) << type.letter << direction;
      int j = 0;
      for (std::size_t segment = 0; segment < published.coefficients.size(); ++segment) {
        ASSERT_EQ(table->Counts[segment + 1], published.coefficients[segment].size());
        for (const double c : published.coefficients[segment]) {
          EXPECT_EQ(table->Coef[j++], static_cast<float>(c)) << type.letter << direction;
        }
      }
    }
  }
}

TEST(ReferenceFunctions, SweepOverEachSensorRangeAndPublishedValues) {
  const Reference reference = Load();
  int pointsChecked = 0;
  for (const Type& type : kTypes) {
    const Published& direct = reference.functions.at(type.letter + " direct");
    const auto sensor = LookupSensor(type.sensorCode);
    for (int t = sensor->LimMin; t <= sensor->LimMax; ++t) {
      const float emf = Evaluate(TemperatureToEmfTable(type.termoC), static_cast<float>(t));
      ASSERT_NEAR(emf, direct(t), 0.001) << type.letter << " at " << t;
      ASSERT_NEAR(Evaluate(EmfToTemperatureTable(type.termoC), emf), t, 0.06)
          << type.letter << " at " << t;
    }
    for (const Point& point : reference.points.at(type.letter)) {
      const float emf =
          Evaluate(TemperatureToEmfTable(type.termoC), static_cast<float>(point.temperature));
      const int decimals = static_cast<int>(point.emf.size() - point.emf.find('.') - 1);
      std::array<char, 32> printed{};
      std::snprintf(printed.data(), printed.size(), "%.*f", decimals, static_cast<double>(emf));
      EXPECT_EQ(printed.data(), point.emf) << type.letter << " at " << point.temperature;
      ++pointsChecked;
    }
  }
  EXPECT_EQ(pointsChecked, 12);
}

}  // namespace
}  // namespace zelto::config
