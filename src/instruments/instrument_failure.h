#pragma once

#include <QString>

#include <string>

namespace zelto::instruments {

// What an instrument is to the check: the meter reads the loop current, the calibrator applies
// the sensor's signal.
enum class InstrumentRole { kCurrentMeter, kCalibrator };

enum class FailureKind {
  kNotConnected,     // the port did not open, or the connection was refused
  kSilent,           // no whole answer within the reply time
  kNotANumber,       // the meter's answer is not a number
  kOverload,         // the meter says its input is beyond its range
  kLineLost,         // the connection went away
  kNotSent,          // a command did not go out
  kNoCommand,        // a calibrator that is not set by hand, without its command template
  kNoValueForField,  // the command template names a value this input does not have
  kNothingEntered,   // the user gave no reading
};

struct InstrumentFailure {
  InstrumentRole role = InstrumentRole::kCurrentMeter;
  FailureKind kind = FailureKind::kSilent;
  std::string instrument;  // as the user named it: "tcp:10.0.0.5:5025"
  std::string detail;      // the system's reason, the answer or the field, where there is one

  bool operator==(const InstrumentFailure&) const = default;
};

// The failure in the user's words, in the interface's language: "Измеритель тока
// serial:/dev/ttyUSB1 не отвечает".
QString FailureWords(const InstrumentFailure& failure);

}  // namespace zelto::instruments
