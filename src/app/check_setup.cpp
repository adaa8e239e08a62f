#include "app/check_setup.h"

#include "app/window_texts.h"
#include "check/check_texts.h"
#include "check/point_verdict.h"
#include "check/test_points.h"
#include "check/typed_number.h"
#include "link/status_translation.h"

#include <cmath>

namespace zelto::app {
namespace {

// An hour: longer than any input settles, short enough to be a mistake beyond.
constexpr double kLongestSettleSeconds = 3600.0;
constexpr double kMillisecondsPerSecond = 1000.0;
constexpr int kPointDecimals = 2;

std::optional<double> Number(const QString& text) {
  return check::ParseTypedNumber(text.toStdString());
}

std::variant<std::vector<double>, QString> ReadPoints(const QString& text) {
  std::vector<double> percents;
  for (const QString& part : text.split(QLatin1Char(';'))) {
    const auto percent = Number(part);
    if (!percent)
      return TranslateStatus(check::RefusalText(check::Refusal::kPointsNotNumbers));
    percents.push_back(*percent);
  }
  if (const auto refusal = check::RefusePoints(percents))
    return TranslateStatus(check::RefusalText(*refusal));
  return percents;
}

bool IsManual(const instruments::InstrumentSetting& setting) {
  return setting.connection == instruments::Connection::kManual;
}

// The meter and its query, the calibrator and its command; each text only where its
// instrument takes it.
std::optional<QString> ReadInstruments(const CheckSetupText& text,
                                       instruments::BenchWiring& wiring) {
  auto meter = ReadInstrumentSetting(text.meter, Zelto::tr("Измеритель тока"));
  if (auto* reason = std::get_if<QString>(&meter))
    return *reason;
  wiring.meter = std::get<instruments::InstrumentSetting>(meter);
  const QString query = text.meterQuery.trimmed();
  if (!IsManual(wiring.meter) && !query.isEmpty()) {
    if (instruments::RefuseCommandLine(query.toStdString()))
      return Zelto::tr("Запрос измерителя: одна строка без управляющих символов");
    wiring.meterSettings.query = query.toStdString();
  }

  auto source = ReadInstrumentSetting(text.source, Zelto::tr("Калибратор"));
  if (auto* reason = std::get_if<QString>(&source))
    return *reason;
  wiring.calibrator = std::get<instruments::InstrumentSetting>(source);
  if (IsManual(wiring.calibrator))
    return std::nullopt;
  const QString command = text.sourceCommand.trimmed();
  if (command.isEmpty())
    return Zelto::tr("Калибратору %1 нужна команда, например SOUR:TEMP {c}")
        .arg(QString::fromStdString(wiring.calibrator.text));
  auto parsed = instruments::CommandTemplate::Parse(command.toStdString());
  if (std::holds_alternative<instruments::SettingRefusal>(parsed)) {
    return Zelto::tr("Команда калибратора: одна строка; поля {c}, {ohm}, {mv}, {v}, {ma} и {a}");
  }
  wiring.calibratorCommand = std::get<instruments::CommandTemplate>(parsed);
  return std::nullopt;
}

}  // namespace

std::variant<CheckSetup, QString> ReadCheckSetup(const CheckSetupText& text) {
  CheckSetup setup;
  auto points = ReadPoints(text.points);
  if (auto* reason = std::get_if<QString>(&points))
    return Zelto::tr("Точки: %1").arg(*reason);
  setup.settings.percents = std::get<std::vector<double>>(points);

  const auto tolerance = Number(text.tolerance);
  if (!tolerance || !check::IsValidTolerance(*tolerance))
    return Zelto::tr("Допуск: от 0 (не включая) до 100 % диапазона выхода");
  setup.settings.tolerance = *tolerance;

  const auto settle = Number(text.settle);
  if (!settle || !(*settle >= 0.0 && *settle <= kLongestSettleSeconds))
    return Zelto::tr("Выдержка: от 0 до 3600 с");
  setup.settle = std::chrono::milliseconds(
      static_cast<std::int64_t>(std::llround(*settle * kMillisecondsPerSecond)));

  if (auto reason = ReadInstruments(text, setup.wiring))
    return *reason;
  setup.settings.tag = text.tag.trimmed().toStdString();
  setup.settings.engineer = text.engineer.trimmed().toStdString();
  return setup;
}

std::variant<instruments::InstrumentSetting, QString> ReadInstrumentSetting(const QString& text,
                                                                            const QString& field) {
  const QString trimmed = text.trimmed();
  auto setting = instruments::ParseInstrumentSetting(
      trimmed.isEmpty() ? std::string(instruments::kManualName) : trimmed.toStdString());
  if (std::holds_alternative<instruments::SettingRefusal>(setting)) {
    return Zelto::tr("%1: «%2» — ни manual, ни serial:ПУТЬ[:СКОРОСТЬ], ни tcp:УЗЕЛ:ПОРТ")
        .arg(field, trimmed);
  }
  return std::get<instruments::InstrumentSetting>(setting);
}

QString PointsText(const std::vector<double>& percents) {
  QStringList parts;
  for (const double percent : percents) {
    QString part = check::CommaNumber(percent, kPointDecimals);
    while (part.contains(QLatin1Char(',')) &&
           (part.endsWith(QLatin1Char('0')) || part.endsWith(QLatin1Char(','))))
      part.chop(1);
    parts << part;
  }
  return parts.join(QStringLiteral("; "));
}

}  // namespace zelto::app
