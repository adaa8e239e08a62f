#include "config/conversion_tables.h"
#include "config/sensor_catalogue.h"
#include "config/table_evaluation.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelto::config {
namespace {

// W = R/R0 of a resistance thermometer by the Callendar-Van Dusen equation; C acts below 0 °C.
struct CallendarVanDusen {
  double A, B, C;
  double operator()(double t) const {
    return 1 + A * t + B * t * t + (t < 0 ? C * (t - 100) * t * t * t : 0);
  }
};

// The W -> temperature tables are fitted polynomials, made to read back within 0.03 °C.
constexpr double kInverseTolerance = 0.03;

// Tables that are the law itself, written out term for term: only float rounding (1e-6 is
// 0.1 mΩ) between them. IEC 60751, W100 = 1.385, gives the standard's printed Pt100 values at
// these temperatures (18.52 Ω at -200 °C, 138.51 Ω at 100 °C, 390.48 Ω at 850 °C); GOST 6651-2009
// copper with W100 = 1.4260 (50M, 53M, 100M) is W = 1 + 4.26e-3·t over -50..200 °C.
TEST(ExactRatioLaws, BothDirections) {
  struct Law {
    CallendarVanDusen w;
    std::vector<int> forwardTables;
    int inverseTable;
    std::vector<float> temperatures;
  };
  const Law laws[] = {
      {{3.9083e-3, -5.775e-7, -4.183e-12},
       {0, 1},
       1,
       {-200, -100, -50, 0, 100, 200, 400, 600, 850}},
      {{4.26e-3, 0, 0}, {3}, 3, {-50, 0, 50, 100, 200}},
  };
  for (const Law& law : laws) {
    for (const float t : law.temperatures) {
      for (const int table : law.forwardTables)
        EXPECT_NEAR(Evaluate(TemperatureToRatioTable(table), t), law.w(t), 1e-6)
            << table << " at " << t;
      EXPECT_NEAR(Evaluate(RatioToTemperatureTable(law.inverseTable), static_cast<float>(law.w(t))),
                  t, kInverseTolerance)
          << law.inverseTable << " at " << t;
    }
  }
}

// GOST 6651-2009, platinum with W100 = 1.3910 (50П, 100П); it gives 17.24 and 139.11 Ω for a
// 100П at -200 and 100 °C.
TEST(PlatinumGost6651, BothDirections) {
  constexpr CallendarVanDusen kGost6651{3.9690e-3, -5.841e-7, -4.330e-12};
  for (const float t : {-200.0f, -100.0f, -50.0f, 100.0f, 300.0f, 600.0f, 800.0f}) {
    const double w = kGost6651(t);
    // The table keeps older coefficients (B = -5.829e-7, -5.8621e-7 above 600 °C): they agree
    // with today's to 1e-5 below 0 °C and part by up to 1.2e-9·t² above, 0.4 °C at 800 °C. Allow
    // 2e-9·t² there, well under what 1 % of any coefficient moves (2e-3 at 600 °C for B).
    const double drift = t > 0 ? 2e-9 * t * t : 0;
    EXPECT_NEAR(Evaluate(TemperatureToRatioTable(2), t), w, 2e-5 + drift) << "at " << t;
    // The same drift read as temperature: dW/dt is at least 0.003 per °C up to 850 °C.
    EXPECT_NEAR(Evaluate(RatioToTemperatureTable(2), static_cast<float>(w)), t,
                kInverseTolerance + drift / 0.003)
        << "at " << t;
  }
}

struct EmfPoint {
  double temperature;  // °C
  double emf;          // mV, cold junction at 0 °C
};

// GOST R 8.585-2001, the tables of type L (chromel-copel) and A-1 (tungsten-rhenium) values.
TEST(GostThermocouples, BothDirections) {
  struct Type {
    int termoC;
    std::vector<EmfPoint> points;
    double emfTolerance;          // mV
    double temperatureTolerance;  // °C
  };
  const Type types[] = {
      // -200 and -100 °C lie below the sensor's range but on the standard's polynomial that the
      // table's end segment carries, which is where its higher terms show. That polynomial
      // reproduces the table to its last digit, 1 µV; half a printed µV is up to 0.02 °C where
      // type L is least sensitive.
      {kThermocoupleL,
       {{-200, -9.488},
        {-100, -5.641},
        {-50, -3.005},
        {100, 6.862},
        {200, 14.560},
        {300, 22.843},
        {400, 31.492},
        {600, 49.108},
        {800, 66.466}},
       0.001,
       0.02},
      // Up to the table's last entry. One polynomial spans 0..2500 °C and departs from the table
      // by up to 2 µV; its inverse, also one polynomial, reads the table back to about 0.9 °C.
      {kThermocoupleA1,
       {{100, 1.337}, {300, 4.514}, {500, 7.908}, {1000, 16.127}, {1400, 21.977}, {2500, 33.640}},
       0.003,
       1.0},
  };
  for (const Type& type : types) {
    for (const EmfPoint& point : type.points) {
      const auto t = static_cast<float>(point.temperature);
      EXPECT_NEAR(Evaluate(TemperatureToEmfTable(type.termoC), t), point.emf, type.emfTolerance)
          << type.termoC << " at " << t;
      EXPECT_NEAR(Evaluate(EmfToTemperatureTable(type.termoC), static_cast<float>(point.emf)), t,
                  type.temperatureTolerance)
          << type.termoC << " at " << t;
    }
  }
}

// R0 is what the device scales a resistance thermometer by: it must be the one its name states.
// Every other input sends 100. The range that a name promises is the one the sensor is offered
// over.
TEST(SensorCatalogue, NominalResistanceAndRangeOfEachNamedSensor) {
  const std::pair<std::string_view, int> thermometers[] = {
      {" 50M ", 50},   {" 53M ", 53}, {" 100M ", 100}, {" 50M ", 50},   {" 53M ", 53},
      {" 100M ", 100}, {" 50П ", 50}, {" 100П ", 100}, {" Pt100 ", 100}};
  const std::regex statedRange(R"(\((-?\d+)\.\.\. ?\+?(\d+)\))");
  for (int code = 0; code < kSensorCount; ++code) {
    const auto sensor = LookupSensor(code);
    ASSERT_TRUE(sensor);
    const std::string name(sensor->summaryName);
    if (code < kFirstThermocouple) {
      EXPECT_NE(name.find(thermometers[code].first), std::string::npos) << name;
      EXPECT_EQ(sensor->R0, thermometers[code].second) << name;
    } else {
      EXPECT_EQ(sensor->R0, 100) << name;
    }
    std::smatch range;
    ASSERT_TRUE(std::regex_search(name, range, statedRange)) << name;
    EXPECT_EQ(sensor->LimMin, std::stoi(range[1])) << name;
    EXPECT_EQ(sensor->LimMax, std::stoi(range[2])) << name;
  }
}

}  // namespace
}  // namespace zelto::config
