#pragma once

#include "sim/bench_loop.h"
#include "sim/instrument_fault.h"

#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace zelto::sim {

enum class BenchRole { kCurrentMeter, kCalibrator };

// The SCPI a simulated bench instrument speaks, keywords in their short or long form and in any
// case: both answer *IDN?, take *RST and *CLS and report their errors to SYSTem:ERRor?; the meter
// answers MEASure:CURRent[:DC]? and READ? with the loop current in amperes; the calibrator takes
// SOURce:TEMPerature (°C), SOURce:RESistance (Ω), SOURce:VOLTage (V) and SOURce:CURRent (A).
// Like an instrument, it answers only queries: a command it cannot carry out goes into its error
// queue, and a query it does not know is not answered at all.
class ScpiResponder {
 public:
  ScpiResponder(BenchRole role, BenchLoop& loop) : role_(role), loop_(loop) {}

  // The answer to one line without its line end, or nothing.
  std::optional<std::string> Respond(std::string_view line);
  void SetFault(InstrumentFault fault);

 private:
  std::optional<std::string> Measure();
  void Source(SourceQuantity quantity, std::string_view parameter);
  void Fail(std::string_view error);

  BenchRole role_;
  BenchLoop& loop_;
  InstrumentFault fault_;
  int drifted_ = 0;
  std::deque<std::string> errors_;
};

// The loop current as the meter answers it, in amperes: "4.00000000E-03".
std::string AmperesText(double amperes);

}  // namespace zelto::sim
