#include "rig/simulated_unit.h"

namespace zelto::rig {
namespace {

constexpr double kAmperesPerMilliampere = 0.001;

}  // namespace

SimulatedUnit::SimulatedUnit(int model, const sim::MemoryReader& memory, UnitError error)
    : model_(model), memory_(memory), error_(error) {}

bool SimulatedUnit::Source(sim::SourceQuantity quantity, double value) {
  // A unit not yet configured has no input to refuse anything with.
  const auto stored = StoredInMemory(model_, memory_.Memory());
  if (stored && stored->configured && !TakesQuantity(stored->sensor, quantity))
    return false;
  const std::lock_guard lock(mutex_);
  input_ = AppliedInput{quantity, value};
  return true;
}

double SimulatedUnit::LoopCurrent() const {
  return LoopMilliamperes() * kAmperesPerMilliampere;
}

double SimulatedUnit::LoopMilliamperes() const {
  const auto stored = StoredInMemory(model_, memory_.Memory());
  if (!stored)
    return 0.0;
  std::optional<AppliedInput> input;
  {
    const std::lock_guard lock(mutex_);
    input = input_;
  }
  return OutputCurrent(model_, *stored, input, error_);
}

}  // namespace zelto::rig
