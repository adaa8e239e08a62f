#pragma once

#include "check/check_plan.h"
#include "check/check_record.h"
#include "check/output_check.h"
#include "link/translatable.h"

#include <QString>

#include <string_view>

namespace zelto::check {

// What a check tells the user, in the interface's language and the window's number format
// (decimal comma). The tool prints these; the window's wizard shows them.

inline constexpr std::string_view kCheckPassedText =
    QT_TRANSLATE_NOOP("status", "Проверка выхода пройдена");
inline constexpr std::string_view kCheckFailedText =
    QT_TRANSLATE_NOOP("status", "Проверка выхода не пройдена");
inline constexpr std::string_view kCheckCancelledText =
    QT_TRANSLATE_NOOP("status", "Проверка выхода прервана");
inline constexpr std::string_view kRecordNotSavedText =
    QT_TRANSLATE_NOOP("status", "Протокол проверки не сохранён");

// The status text of a check's result.
std::string_view ResultStatus(CheckResult result);

// The number with the decimal comma, "60,70".
QString CommaNumber(double value, int decimals);

// The point as the calibrator is to apply it: "50 °C (60,70 Ом)"; a signal input's own quantity
// alone, "10,000 мВ".
QString PointText(const CheckPoint& point);

// "Подайте 50 °C (60,70 Ом)". With the unit's cold-junction compensation on, the temperature
// alone, to be applied in the calibrator's thermocouple mode with its own compensation.
QString SignalPrompt(const CheckPoint& point, bool coldJunction);
// "50 °C (60,70 Ом)": the point as a calibrator which sets itself applies it. With the unit's
// cold-junction compensation on, the temperature alone, as it is applied then.
QString CalibratorPointText(const CheckPoint& point, bool coldJunction);
// "Калибратор подаёт 50 °C (60,70 Ом)": that point while the calibrator applies it.
QString CalibratorPrompt(const CheckPoint& point, bool coldJunction);

// One line of a pass's table: the pass, the point, the expected and measured currents, the
// error and the verdict.
QString PointLine(CheckPass pass, const MeasuredPoint& point);

// "Итог: годен, протокол ID": the check's verdict and the id of its record.
QString VerdictLine(const CheckRecord& record);

// The pieces of those lines, for a table of the points: "50 °C", "60,70 Ом", the percent of
// the range "12,5", a current "8,010" (mA), an error "+0,47" (% of span), "в допуске".
QString TemperatureText(const CheckPoint& point);
QString SignalText(const CheckPoint& point);
QString PercentText(double percent);
QString CurrentText(double milliamperes);
QString ErrorText(double error);
QString PointResultText(PointResult result);
// "До подстройки", "После подстройки".
QString PassTitle(CheckPass pass);
// "годен", "не годен", "проверка прервана".
QString VerdictText(CheckResult result);
// The verdict as a list of checks shows it: with a correction, the way to it, "не годен →
// подстроен → годен", so that a unit corrected reads apart from one that passed outright.
QString OutcomeText(const CheckRecord& record);
// A correction's gain or offset as the unit holds it, six digits: "0,996016".
QString CorrectionNumber(float value);

// The model's name as the window and the report show it, "Dastra-2"; "модель 7" for one the
// program does not know.
QString ModelText(int model);

// "Подстройка: Au 1 → 0,99601, Bu 0 → 1,234".
QString AdjustmentLine(const Adjustment& adjustment);

}  // namespace zelto::check
