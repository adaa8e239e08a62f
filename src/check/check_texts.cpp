#include "check/check_texts.h"

#include "config/summary_lines.h"

#include <QCoreApplication>

#include <cmath>

namespace zelto::check {
namespace {

constexpr int kTemperatureDecimals = 2;
constexpr int kCurrentDecimals = 3;
constexpr int kErrorDecimals = 2;
constexpr int kCorrectionDigits = 6;

QString Translated(const char* text) {
  return QCoreApplication::translate("status", text);
}

QString Translated(std::string_view text) {
  return Translated(std::string(text).c_str());
}

// Trailing zeros go: "50", "12,5", "-0,25".
QString ShortNumber(double value, int decimals) {
  QString text = CommaNumber(value, decimals);
  if (text.contains(QLatin1Char(','))) {
    while (text.endsWith(QLatin1Char('0')))
      text.chop(1);
    if (text.endsWith(QLatin1Char(',')))
      text.chop(1);
  }
  return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

int SignalDecimals(SignalUnit unit) {
  return unit == SignalUnit::kOhm ? 2 : 3;
}

const char* PassName(CheckPass pass) {
  return pass == CheckPass::kAsFound ? QT_TRANSLATE_NOOP("status", "До подстройки")
                                     : QT_TRANSLATE_NOOP("status", "После подстройки");
}

const char* ResultName(PointResult result) {
  switch (result) {
    case PointResult::kPass:
      return QT_TRANSLATE_NOOP("status", "в допуске");
    case PointResult::kFail:
      return QT_TRANSLATE_NOOP("status", "вне допуска");
    case PointResult::kUnstable:
      return QT_TRANSLATE_NOOP("status", "показания не установились");
  }
  return "";
}

// "+0,47", "-0,12"; an error that shows as zero has no sign.
QString Signed(double value, int decimals) {
  const QString magnitude = CommaNumber(std::abs(value), decimals);
  if (magnitude == CommaNumber(0.0, decimals))
    return magnitude;  // never "-0,00"
  return (value < 0 ? QLatin1Char('-') : QLatin1Char('+')) + magnitude;
}

}  // namespace

QString SignalText(const CheckPoint& point) {
  return CommaNumber(point.signal, SignalDecimals(point.signalUnit)) + QLatin1Char(' ') +
         Translated(SignalUnitName(point.signalUnit));
}

QString TemperatureText(const CheckPoint& point) {
  return ShortNumber(point.temperature, kTemperatureDecimals) + QStringLiteral(" °C");
}

QString PercentText(double percent) {
  return ShortNumber(percent, kTemperatureDecimals);
}

QString CurrentText(double milliamperes) {
  return CommaNumber(milliamperes, kCurrentDecimals);
}

QString ErrorText(double error) {
  return Signed(error, kErrorDecimals);
}

QString PassTitle(CheckPass pass) {
  return Translated(PassName(pass));
}

QString PointResultText(PointResult result) {
  return Translated(ResultName(result));
}

QString VerdictText(CheckResult result) {
  const char* verdict = QT_TRANSLATE_NOOP("status", "проверка прервана");
  if (result == CheckResult::kPass)
    verdict = QT_TRANSLATE_NOOP("status", "годен");
  else if (result == CheckResult::kFail)
    verdict = QT_TRANSLATE_NOOP("status", "не годен");
  return Translated(verdict);
}

QString OutcomeText(const CheckRecord& record) {
  if (!record.adjustment)
    return VerdictText(record.result);
  const QString arrow = QStringLiteral(" → ");
  const CheckResult asFound =
      EveryPointPassed(record.asFound) ? CheckResult::kPass : CheckResult::kFail;
  return VerdictText(asFound) + arrow + Translated(QT_TRANSLATE_NOOP("status", "подстроен")) +
         arrow + VerdictText(record.result);
}

QString CorrectionNumber(float value) {
  return QString::number(static_cast<double>(value), 'g', kCorrectionDigits)
      .replace(QLatin1Char('.'), QLatin1Char(','));
}

std::string_view ResultStatus(CheckResult result) {
  switch (result) {
    case CheckResult::kPass:
      return kCheckPassedText;
    case CheckResult::kFail:
      return kCheckFailedText;
    case CheckResult::kCancelled:
      break;
  }
  return kCheckCancelledText;
}

QString CommaNumber(double value, int decimals) {
  return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString PointText(const CheckPoint& point) {
  if (!point.temperatureRange)
    return SignalText(point);
  return TemperatureText(point) + QStringLiteral(" (") + SignalText(point) + QLatin1Char(')');
}

QString SignalPrompt(const CheckPoint& point, bool coldJunction) {
  if (coldJunction && point.temperatureRange) {
    return Translated(
               QT_TRANSLATE_NOOP("status",
                                 "Подайте %1 в режиме термопары калибратора, с его компенсацией "
                                 "холодного спая: компенсация прибора включена"))
        .arg(TemperatureText(point));
  }
  return Translated(QT_TRANSLATE_NOOP("status", "Подайте %1")).arg(PointText(point));
}

QString CalibratorPointText(const CheckPoint& point, bool coldJunction) {
  return coldJunction && point.temperatureRange ? TemperatureText(point) : PointText(point);
}

QString CalibratorPrompt(const CheckPoint& point, bool coldJunction) {
  return Translated(QT_TRANSLATE_NOOP("status", "Калибратор подаёт %1"))
      .arg(CalibratorPointText(point, coldJunction));
}

QString ModelText(int model) {
  const QString name = QString::fromLatin1(config::ModelName(model)).trimmed();
  if (!name.isEmpty())
    return name;
  return Translated(QT_TRANSLATE_NOOP("status", "модель %1")).arg(model);
}

QString PointLine(CheckPass pass, const MeasuredPoint& point) {
  const QString head = PassTitle(pass) + QStringLiteral(", ") + PercentText(point.point.percent) +
                       QStringLiteral(" %: ") + PointText(point.point);
  const QString expected = CurrentText(point.point.expected);
  if (!point.measured) {
    return Translated(QT_TRANSLATE_NOOP("status", "%1, ожидается %2 мА, %3"))
        .arg(head, expected, Translated(ResultName(point.result)));
  }
  return Translated(QT_TRANSLATE_NOOP("status",
                                      "%1, ожидается %2 мА, измерено %3 мА, погрешность %4 %, %5"))
      .arg(head, expected, CurrentText(*point.measured), ErrorText(point.error),
           PointResultText(point.result));
}

QString AdjustmentLine(const Adjustment& adjustment) {
  return Translated(QT_TRANSLATE_NOOP("status", "Подстройка: Au %1 → %2, Bu %3 → %4"))
      .arg(CorrectionNumber(adjustment.before.au), CorrectionNumber(adjustment.after.au),
           CorrectionNumber(adjustment.before.bu), CorrectionNumber(adjustment.after.bu));
}

QString VerdictLine(const CheckRecord& record) {
  return Translated(QT_TRANSLATE_NOOP("status", "Итог: %1, протокол %2"))
      .arg(VerdictText(record.result), QString::fromStdString(record.id));
}

}  // namespace zelto::check
