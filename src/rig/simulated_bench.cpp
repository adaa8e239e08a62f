#include "rig/simulated_bench.h"

namespace zelto::rig {

SimulatedBench::SimulatedBench(int model, const sim::MemoryReader& memory, UnitError error,
                               sim::LineServer::Transport transport)
    : unit_(model, memory, error),
      meter_(sim::BenchRole::kCurrentMeter, transport, unit_),
      calibrator_(sim::BenchRole::kCalibrator, transport, unit_) {}

}  // namespace zelto::rig
