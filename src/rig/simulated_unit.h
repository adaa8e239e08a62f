#pragma once

#include "rig/output_model.h"
#include "sim/bench_loop.h"
#include "sim/memory_reader.h"

#include <mutex>
#include <optional>

namespace zelto::rig {

// A simulated transmitter on the bench: the calibrator's signal in, the loop current its memory,
// as the simulator holds it at that moment, and its own input error give out.
class SimulatedUnit final : public sim::BenchLoop {
 public:
  // `memory` outlives the unit.
  SimulatedUnit(int model, const sim::MemoryReader& memory, UnitError error = {});

  bool Source(sim::SourceQuantity quantity, double value) override;
  double LoopCurrent() const override;  // A
  double LoopMilliamperes() const;

 private:
  const int model_;
  const sim::MemoryReader& memory_;
  const UnitError error_;
  mutable std::mutex mutex_;  // the input, set and read from the instruments' threads
  std::optional<AppliedInput> input_;
};

}  // namespace zelto::rig
