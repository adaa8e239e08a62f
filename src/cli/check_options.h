#pragma once

#include "cli/cli_options.h"
#include "instruments/command_template.h"
#include "instruments/instrument_setting.h"

#include <chrono>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zelto::cli {

// check [--points P,P,…] [--tolerance PCT] [--meter INSTRUMENT] [--meter-query Q]
//       [--source INSTRUMENT --source-command TEMPLATE] [--settle S] [--readings MA,MA,…]
//       [--adjust]
//       [--tag TAG] [--engineer NAME] [--instruments TEXT] [--report FILE.pdf]
struct CheckOptions {
  std::vector<double> points;  // percent of the range
  double tolerance = 0.25;     // % of the output span
  instruments::InstrumentSetting meter;
  std::string meterQuery;
  instruments::InstrumentSetting source;
  std::optional<instruments::CommandTemplate> sourceCommand;
  std::chrono::milliseconds settle{2000};
  // A manual meter's currents, mA: the as-found pass, then with --adjust the as-left one.
  std::optional<std::vector<double>> readings;
  bool adjust = false;
  std::string tag;
  std::string engineer;
  std::string instruments;  // the user's own words on the bench's instruments
  std::optional<std::string> report;
};

// The reason, one line for standard error, when the options do not make one check: a value out
// of its range, an option of a meter or calibrator that is not there, readings that do not match
// the points, --adjust on Velmor-7, several ports.
std::variant<CheckOptions, std::string> ParseCheckOptions(const Invocation& invocation);

}  // namespace zelto::cli
