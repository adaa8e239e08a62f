#include "config/conversion_tables.h"
#include "config/table_builder.h"

#include <array>

namespace zelto::config {
namespace {

using detail::MakeTable;

// Temperature (°C) -> W = R/R0. Indexes 0 and 1 are the Callendar-Van Dusen equation of
// IEC 60751 written out as a polynomial.
constexpr std::array<SensorTable, kResistanceTableCount> kTemperatureToRatio{
    MakeTable(0, 0, {-200, 0, 850},
              {{1.0f, 0.0039083f, -5.775e-07f, 4.183e-10f, -4.183e-12f},
               {1.0f, 0.0039083f, -5.775e-07f}}),
    MakeTable(0, 0, {-200, 0, 850},
              {{1.0f, 0.0039083f, -5.775e-07f, 4.183e-10f, -4.183e-12f},
               {1.0f, 0.0039083f, -5.775e-07f}}),
    // Platinum, W100 = 1.391
    MakeTable(0, 0, {-200, 0, 600, 1100},
              {{1.0f, 0.0039692f, -5.829e-07f, 4.3303e-10f, -4.3303e-12f},
               {1.0f, 0.0039692f, -5.829e-07f},
               {1.0f, 0.0039692f, -5.8621e-07f}}),
    // Copper, W100 = 1.426
    MakeTable(0, 0, {-50, 200}, {{1.0f, 0.00426f}}),
    // Copper, W100 = 1.428
    MakeTable(0, 0, {-200, -185, -100, -10, 200},
              {{0.9441947f, 0.0041124f},
               {1.0f, 0.004282914f, -5.4136e-07f, 9.8265e-10f},
               {1.0f, 0.004282914f, -5.4136e-07f},
               {1.0f, 0.0042775f}}),
};

// W -> temperature; coefficients of W itself, not of W - 1. Index 0 belongs to a platinum
// characteristic with W100 of about 1.375: it is what a thermocouple sends as its resistance
// table, not the inverse of forward index 0.
constexpr std::array<SensorTable, kResistanceTableCount> kRatioToTemperature{
    MakeTable(-50, 600, {0.1852, 1.0, 3.9048},
              {{-244.8654f, 217.6517f, 38.91042f, -13.65637f, 1.955858f},
               {-250.8486f, 239.4308f, 11.80867f, -0.6202331f, 0.2552584f}}),
    MakeTable(-50, 600, {0.1852, 1.0, 3.9048},
              {{-241.9604f, 221.6222f, 28.54652f, -9.916127f, 1.70577f},
               {-245.7866f, 235.9719f, 9.970942f, -0.3130237f, 0.1761143f}}),
    MakeTable(-50, 600, {0.173, 1.0, 3.1717, 4.6568},
              {{-238.5143f, 218.8719f, 27.5496f, -9.529088f, 1.619789f},
               {-242.9082f, 234.2381f, 8.474139f, 0.07747013f, 0.1211526f},
               {-173.0765f, 155.4536f, 42.11565f, -6.378493f, 0.595382f}}),
    MakeTable(-50, 200, {0.7869, 1.8523},
              {{-234.7751f, 234.8502f, -0.1287716f, 0.06627362f, -0.01249594f}}),
    MakeTable(-50, 200, {0.1217, 0.1833, 0.5653, 0.9571, 1.8555},
              {{-231.2773f, 287.984f, -445.5253f, 1956.592f, -3203.245f},
               {-224.5199f, 213.9495f, 11.65812f, -0.5266281f, -0.5767703f},
               {-227.0319f, 221.1264f, 5.209316f, 0.8495461f, -0.1536126f},
               {-233.8958f, 234.1213f, -0.3725406f, 0.1787014f, -0.03167823f}}),
};

}  // namespace

const SensorTable& RatioToTemperatureTable(int rezist) {
  return kRatioToTemperature.at(rezist);
}

const SensorTable& TemperatureToRatioTable(int rezist) {
  return kTemperatureToRatio.at(rezist);
}

}  // namespace zelto::config
