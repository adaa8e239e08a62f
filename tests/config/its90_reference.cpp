#include "its90_reference.h"

#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace zelto::config::testing {

double PublishedFunction::operator()(double argument) const {
  std::size_t range = 0;
  while (range + 1 < coefficients.size() && argument > rangeEnds[range + 1])
    ++range;
  double sum = 0;
  double power = 1;
  for (const double c : coefficients[range]) {
    sum += c * power;
    power *= argument;
  }
  if (exponentialTerm && argument > 0) {
    sum += a0 * std::exp(a1 * (argument - a2) * (argument - a2));
  }
  return sum;
}

namespace {

Its90Reference Parse(std::istream& in) {
  Its90Reference reference;
  const std::regex section(R"(^=== (\w) (direct|inverse))");
  const std::regex range(R"(^range\s+(\S+)\s+\.\.\s+(\S+))");
  const std::regex coefficient(R"(^\s+(-?\d\.\d+E[+-]\d+)\s*$)");
  const std::regex exponential(R"(a0 = (\S+), a1 = (\S+), a2 = (\S+))");
  const std::regex typeLine(R"(^\s+(\w): (.*)$)");
  const std::regex point(R"(t = (-?\d+) -> (-?\d+)\.(\d+))");

  PublishedFunction* current = nullptr;
  bool inPoints = false;
  std::string line;
  std::smatch match;
  while (std::getline(in, line)) {
    if (std::regex_search(line, match, section)) {
      auto& functions = match[2] == "direct" ? reference.direct : reference.inverse;
      current = &functions[match[1]];
    } else if (line.starts_with("Reference values")) {
      current = nullptr;
      inPoints = true;
    } else if (inPoints && std::regex_search(line, match, typeLine)) {
      const std::string type = match[1];
      const std::string rest = match[2];
      for (auto it = std::sregex_iterator(rest.begin(), rest.end(), point);
           it != std::sregex_iterator(); ++it) {
        const std::string whole = (*it)[2].str() + "." + (*it)[3].str();
        reference.points[type].push_back(
            {std::stod((*it)[1]), std::stod(whole), static_cast<int>((*it)[3].length())});
      }
    } else if (current != nullptr && std::regex_search(line, match, range)) {
      if (current->rangeEnds.empty())
        current->rangeEnds.push_back(std::stod(match[1]));
      current->rangeEnds.push_back(std::stod(match[2]));
      current->coefficients.emplace_back();
    } else if (current != nullptr && std::regex_search(line, match, coefficient)) {
      current->coefficients.back().push_back(std::stod(match[1]));
    } else if (current != nullptr && std::regex_search(line, match, exponential)) {
      current->exponentialTerm = true;
      current->a0 = std::stod(match[1]);
      current->a1 = std::stod(match[2]);
      current->a2 = std::stod(match[3]);
    }
  }
  return reference;
}

}  // namespace

const Its90Reference& LoadIts90Reference() {
  static const Its90Reference reference = [] {
    std::ifstream file(ZELTO_ITS90_REFERENCE);
    if (!file)
      throw std::runtime_error("cannot read " ZELTO_ITS90_REFERENCE);
    return Parse(file);
  }();
  return reference;
}

}  // namespace zelto::config::testing
