#pragma once

#include "sim/transmitter.h"

namespace zelto::sim {

// The simulated transmitter's configuration memory as it holds it now, for a model of its
// behaviour that lives above the simulator.
class MemoryReader {
 public:
  virtual ~MemoryReader() = default;
  virtual MemoryImage Memory() const = 0;
};

}  // namespace zelto::sim
