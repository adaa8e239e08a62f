#include "instruments/scpi_meter.h"

#include "instruments/scpi_number.h"

#include <QString>

namespace zelto::instruments {
namespace {

constexpr double kMilliamperesPerAmpere = 1000.0;
constexpr qsizetype kLongestShown = 200;

}  // namespace

std::string CleanIdentity(std::string_view answer) {
  QString text = QString::fromUtf8(answer.data(), static_cast<qsizetype>(answer.size())).trimmed();
  for (QChar& c : text) {
    if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
      c = QLatin1Char('?');
  }
  return text.left(kLongestShown).toStdString();
}

ScpiMeter::ScpiMeter(std::unique_ptr<ScpiLine> line, std::string query)
    : line_(std::move(line)), query_(std::move(query)) {}

Identity ScpiMeter::Identify() {
  Answer answer = line_->Query(kIdentifyQuery);
  if (auto* text = std::get_if<std::string>(&answer))
    return CleanIdentity(*text);
  return std::get<InstrumentFailure>(answer);
}

Reading ScpiMeter::ReadMilliamperes() {
  const Answer answer = line_->Query(query_);
  if (const auto* failure = std::get_if<InstrumentFailure>(&answer))
    return *failure;
  const auto& text = std::get<std::string>(answer);
  const auto amperes = ParseScpiNumber(text);
  const std::string shown = CleanIdentity(text);
  if (!amperes)
    return InstrumentFailure{InstrumentRole::kCurrentMeter, FailureKind::kNotANumber, Name(),
                             shown};
  if (IsOverloadValue(*amperes))
    return InstrumentFailure{InstrumentRole::kCurrentMeter, FailureKind::kOverload, Name(), shown};
  return *amperes * kMilliamperesPerAmpere;
}

}  // namespace zelto::instruments
