#pragma once

#include <map>
#include <string>
#include <vector>

namespace zelto::config::testing {

// The published thermocouple functions read from the reference file, in double precision.
struct PublishedFunction {
  std::vector<double> rangeEnds;                  // low end of each range, then the high end
  std::vector<std::vector<double>> coefficients;  // per range, lowest power first
  bool exponentialTerm = false;                   // a0 exp(a1 (t - a2)^2) from 0 °C on
  double a0 = 0, a1 = 0, a2 = 0;

  double operator()(double argument) const;
};

struct ReferencePoint {
  double temperature;
  double emf;    // as printed
  int decimals;  // digits printed after the point
};

struct Its90Reference {
  std::map<std::string, PublishedFunction> direct;  // by type letter: "S", "B", "J", "K"
  std::map<std::string, PublishedFunction> inverse;
  std::map<std::string, std::vector<ReferencePoint>> points;
};

// Reads the file the build points ZELTO_ITS90_REFERENCE at; throws if it cannot.
const Its90Reference& LoadIts90Reference();

}  // namespace zelto::config::testing
