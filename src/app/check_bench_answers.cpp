#include "app/check_bench_answers.h"

#include "app/window_texts.h"
#include "keep/printable_text.h"

namespace zelto::app {
namespace {

using instruments::InstrumentRole;
using Answer = std::optional<instruments::Identity>;

// The instrument's line: its answer after its name; a failure's words, which begin with the
// instrument's name already, as they are.
QString AnswerLine(InstrumentRole role, const Answer& answer) {
  if (answer) {
    if (const auto* failure = std::get_if<instruments::InstrumentFailure>(&*answer))
      return instruments::FailureWords(*failure);
  }
  const QString text =
      answer ? QString::fromStdString(keep::PrintableText(std::get<std::string>(*answer)))
             : Zelto::tr("ручной, связь не нужна");
  return (role == InstrumentRole::kCurrentMeter ? Zelto::tr("Измеритель тока: %1")
                                                : Zelto::tr("Калибратор: %1"))
      .arg(text);
}

// A field that names no instrument answers with the reason, which begins with the field's name.
QString Asked(const QString& field, InstrumentRole role,
              const instruments::ScpiTimeouts& timeouts) {
  const QString title = role == InstrumentRole::kCurrentMeter ? Zelto::tr("Измеритель тока")
                                                              : Zelto::tr("Калибратор");
  const auto setting = ReadInstrumentSetting(field, title);
  if (const auto* reason = std::get_if<QString>(&setting))
    return *reason;
  return AnswerLine(role, instruments::AskIdentity(
                              std::get<instruments::InstrumentSetting>(setting), role, timeouts));
}

}  // namespace

QString AskBenchText(const CheckSetupText& text, const instruments::ScpiTimeouts& timeouts) {
  return Asked(text.meter, InstrumentRole::kCurrentMeter, timeouts) + QLatin1Char('\n') +
         Asked(text.source, InstrumentRole::kCalibrator, timeouts);
}

QString BenchIdentitiesText(const instruments::BenchInstruments& bench) {
  // The answers are the meter's first; a manual instrument has none.
  auto identity = bench.identities.begin();
  const auto answer = [&](bool manual) -> Answer {
    if (manual || identity == bench.identities.end())
      return std::nullopt;
    return *identity++;
  };
  const Answer meter = answer(bench.meter->IsManual());
  return AnswerLine(InstrumentRole::kCurrentMeter, meter) + QLatin1Char('\n') +
         AnswerLine(InstrumentRole::kCalibrator, answer(bench.calibrator->IsManual()));
}

}  // namespace zelto::app
