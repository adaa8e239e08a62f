#pragma once

#include "rig/simulated_unit.h"
#include "sim/bench_instrument.h"

#include <string>

namespace zelto::rig {

// A calibration bench around a simulated transmitter: a SCPI current meter in its loop and a
// SCPI calibrator at its input, both serving until the bench goes.
class SimulatedBench {
 public:
  // `memory` (the simulator) outlives the bench. Throws std::system_error when no
  // pseudo-terminal, socket or thread can be had.
  SimulatedBench(int model, const sim::MemoryReader& memory, UnitError error,
                 sim::LineServer::Transport transport);

  SimulatedUnit& Unit() { return unit_; }
  sim::BenchInstrument& Meter() { return meter_; }
  sim::BenchInstrument& Calibrator() { return calibrator_; }

 private:
  SimulatedUnit unit_;
  sim::BenchInstrument meter_;  // after the unit they read and drive, so gone before it
  sim::BenchInstrument calibrator_;
};

}  // namespace zelto::rig
