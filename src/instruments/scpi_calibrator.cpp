#include "instruments/scpi_calibrator.h"

namespace zelto::instruments {

ScpiCalibrator::ScpiCalibrator(std::unique_ptr<ScpiLine> line, CommandTemplate command)
    : line_(std::move(line)), command_(std::move(command)) {}

Identity ScpiCalibrator::Identify() {
  Answer answer = line_->Query(kIdentifyQuery);
  if (auto* text = std::get_if<std::string>(&answer))
    return ShownAnswer(*text);
  return std::get<InstrumentFailure>(answer);
}

std::optional<InstrumentFailure> ScpiCalibrator::Apply(const SourceValues& values) {
  // A half-filled command would set the calibrator to whatever it makes of the rest.
  if (const auto field = command_.MissingField(values))
    return InstrumentFailure{InstrumentRole::kCalibrator, FailureKind::kNoValueForField, Name(),
                             *field};
  return line_->Send(command_.Fill(values));
}

}  // namespace zelto::instruments
