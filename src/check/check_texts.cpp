#include "check/check_texts.h"

#include <QCoreApplication>

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

QString SignalText(const CheckPoint& point) {
  return CommaNumber(point.signal, SignalDecimals(point.signalUnit)) + QLatin1Char(' ') +
         Translated(SignalUnitName(point.signalUnit));
}

QString TemperatureText(const CheckPoint& point) {
  return ShortNumber(point.temperature, kTemperatureDecimals) + QStringLiteral(" °C");
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
  QString text = CommaNumber(value, decimals);
  if (text.startsWith(QLatin1Char('-')))
    text.remove(0, 1);
  if (text.count(QLatin1Char('0')) + 1 == text.size())
    return text;
  return (value < 0 ? QLatin1Char('-') : QLatin1Char('+')) + text;
}

QString CorrectionNumber(float value) {
  return QString::number(static_cast<double>(value), 'g', kCorrectionDigits)
      .replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace

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

QString PointLine(CheckPass pass, const MeasuredPoint& point) {
  const QString head = Translated(PassName(pass)) + QStringLiteral(", ") +
                       ShortNumber(point.point.percent, kTemperatureDecimals) +
                       QStringLiteral(" %: ") + PointText(point.point);
  const QString expected = CommaNumber(point.point.expected, kCurrentDecimals);
  if (!point.measured) {
    return Translated(QT_TRANSLATE_NOOP("status", "%1, ожидается %2 мА, %3"))
        .arg(head, expected, Translated(ResultName(point.result)));
  }
  return Translated(QT_TRANSLATE_NOOP("status",
                                      "%1, ожидается %2 мА, измерено %3 мА, погрешность %4 %, %5"))
      .arg(head, expected, CommaNumber(*point.measured, kCurrentDecimals),
           Signed(point.error, kErrorDecimals), Translated(ResultName(point.result)));
}

QString AdjustmentLine(const Adjustment& adjustment) {
  return Translated(QT_TRANSLATE_NOOP("status", "Подстройка: Au %1 → %2, Bu %3 → %4"))
      .arg(CorrectionNumber(adjustment.before.au), CorrectionNumber(adjustment.after.au),
           CorrectionNumber(adjustment.before.bu), CorrectionNumber(adjustment.after.bu));
}

QString PointResultText(PointResult result) {
  return Translated(ResultName(result));
}

QString CheckResultText(CheckResult result) {
  const char* verdict = QT_TRANSLATE_NOOP("status", "проверка прервана");
  if (result == CheckResult::kPass)
    verdict = QT_TRANSLATE_NOOP("status", "годен");
  else if (result == CheckResult::kFail)
    verdict = QT_TRANSLATE_NOOP("status", "не годен");
  return Translated(verdict);
}

QString VerdictLine(const CheckRecord& record) {
  return Translated(QT_TRANSLATE_NOOP("status", "Итог: %1, протокол %2"))
      .arg(CheckResultText(record.result), QString::fromStdString(record.id));
}

}  // namespace zelto::check
