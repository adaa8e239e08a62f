#pragma once

namespace zelto::sim {

// What a bench calibrator sources, in the units its SCPI commands take.
enum class SourceQuantity {
  kTemperature,  // °C: the calibrator simulates the sensor itself
  kResistance,   // Ω
  kVoltage,      // V
  kCurrent,      // A
};

// The transmitter as the simulated bench instruments see it: the calibrator sets its input, the
// meter reads the current of its loop. Called from the instruments' serving threads.
class BenchLoop {
 public:
  virtual ~BenchLoop() = default;

  // False, with the input left as it was, when the transmitter's input cannot take that
  // quantity (a voltage on a resistance thermometer); the calibrator then reports a conflict.
  virtual bool Source(SourceQuantity quantity, double value) = 0;
  // The loop current, A.
  virtual double LoopCurrent() const = 0;
};

}  // namespace zelto::sim
