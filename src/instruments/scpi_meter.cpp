#include "instruments/scpi_meter.h"

#include "instruments/scpi_number.h"

namespace zelto::instruments {
namespace {

constexpr double kMilliamperesPerAmpere = 1000.0;

}  // namespace

ScpiMeter::ScpiMeter(std::unique_ptr<ScpiLine> line, std::string query)
    : line_(std::move(line)), query_(std::move(query)) {}

Identity ScpiMeter::Identify() {
  Answer answer = line_->Query(kIdentifyQuery);
  if (auto* text = std::get_if<std::string>(&answer))
    return ShownAnswer(*text);
  return std::get<InstrumentFailure>(answer);
}

Reading ScpiMeter::ReadMilliamperes() {
  const Answer answer = line_->Query(query_);
  if (const auto* failure = std::get_if<InstrumentFailure>(&answer))
    return *failure;
  const auto& text = std::get<std::string>(answer);
  const auto amperes = ParseScpiNumber(text);
  const std::string shown = ShownAnswer(text);
  if (!amperes)
    return InstrumentFailure{InstrumentRole::kCurrentMeter, FailureKind::kNotANumber, Name(),
                             shown};
  if (IsOverloadValue(*amperes))
    return InstrumentFailure{InstrumentRole::kCurrentMeter, FailureKind::kOverload, Name(), shown};
  return *amperes * kMilliamperesPerAmpere;
}

}  // namespace zelto::instruments
