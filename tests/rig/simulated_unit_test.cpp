#include "rig/simulated_unit.h"

#include "config/memory_words.h"
#include "sim/simulator.h"
#include "unit_memory.h"

#include <gtest/gtest.h>

namespace zelto::rig {
namespace {

using sim::SourceQuantity;

TEST(SimulatedUnit, FollowsTheSimulatorsMemoryAsItChanges) {
  sim::Simulator simulator(config::kDeviceDastra2);
  SimulatedUnit unit(config::kDeviceDastra2, simulator, {1.004, 0});
  EXPECT_EQ(unit.LoopMilliamperes(), 0.0) << "unconfigured, its current range words empty";
  EXPECT_TRUE(unit.Source(SourceQuantity::kTemperature, 0));

  testing::UnitMemory memory = testing::ConfiguredMemory({config::kDeviceDastra2, 2, 0, 100});
  simulator.LoadMemory(memory);
  // Copper 100M, 1.004 x 100 Ω at 0 °C is 0.4 Ω or 0.4 / 0.426 °C too much.
  EXPECT_NEAR(unit.LoopMilliamperes(), 4 + 0.16 * 0.4 / 0.426, 1e-4);
  EXPECT_NEAR(unit.LoopCurrent(), unit.LoopMilliamperes() / 1000, 1e-12);

  // The gain a correction would write takes the error away.
  testing::Put(memory, config::FloatWord(84, 1 / 1.004f));
  simulator.LoadMemory(memory);
  EXPECT_NEAR(unit.LoopMilliamperes(), 4, 1e-4);
}

TEST(SimulatedUnit, RefusesAQuantityItsInputDoesNotTakeAndKeepsTheLastOne) {
  sim::Simulator simulator(config::kDeviceVelmor7);
  simulator.LoadMemory(testing::ConfiguredMemory({config::kDeviceVelmor7, 8, 0, 100}));
  SimulatedUnit unit(config::kDeviceVelmor7, simulator);
  EXPECT_TRUE(unit.Source(SourceQuantity::kResistance, 119.397125));
  EXPECT_NEAR(unit.LoopMilliamperes(), 12, 1e-4);
  EXPECT_FALSE(unit.Source(SourceQuantity::kVoltage, 0.05));
  EXPECT_FALSE(unit.Source(SourceQuantity::kCurrent, 0.012));
  EXPECT_NEAR(unit.LoopMilliamperes(), 12, 1e-4);
}

}  // namespace
}  // namespace zelto::rig
