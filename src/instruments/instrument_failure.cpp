#include "instruments/instrument_failure.h"

#include <QCoreApplication>

namespace zelto::instruments {
namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate("status", text);
}

QString RoleName(InstrumentRole role) {
  switch (role) {
    case InstrumentRole::kCurrentMeter:
      return Translated(QT_TRANSLATE_NOOP("status", "Измеритель тока"));
    case InstrumentRole::kCalibrator:
      return Translated(QT_TRANSLATE_NOOP("status", "Калибратор"));
  }
  return {};
}

// The template of the words: %1 the role, %2 the instrument, %3 the detail.
const char* WordsTemplate(FailureKind kind) {
  switch (kind) {
    case FailureKind::kNotConnected:
      return QT_TRANSLATE_NOOP("status", "%1 %2 не подключается: %3");
    case FailureKind::kSilent:
      return QT_TRANSLATE_NOOP("status", "%1 %2 не отвечает");
    case FailureKind::kNotANumber:
      return QT_TRANSLATE_NOOP("status", "%1 %2 ответил не числом: %3");
    case FailureKind::kOverload:
      return QT_TRANSLATE_NOOP("status", "%1 %2 сообщает о перегрузке: %3");
    case FailureKind::kLineLost:
      return QT_TRANSLATE_NOOP("status", "%1 %2: связь потеряна");
    case FailureKind::kNotSent:
      return QT_TRANSLATE_NOOP("status", "%1 %2 не принимает команду");
    case FailureKind::kNoCommand:
      return QT_TRANSLATE_NOOP("status", "%1 %2: не задан шаблон команды");
    case FailureKind::kNoValueForField:
      return QT_TRANSLATE_NOOP("status", "%1 %2: в команде поле %3, которого нет у этого входа");
    case FailureKind::kNothingEntered:
      return QT_TRANSLATE_NOOP("status", "Значение тока не введено");
  }
  return "";
}

}  // namespace

QString FailureWords(const InstrumentFailure& failure) {
  const QString words = Translated(WordsTemplate(failure.kind));
  const QString instrument = QString::fromStdString(failure.instrument);
  // Each in one pass, so that a % in the instrument's own answer is not taken for a place of a
  // value; and with exactly the values the template has places for.
  if (!words.contains(QLatin1String("%1")))
    return words;
  if (!words.contains(QLatin1String("%3")))
    return words.arg(RoleName(failure.role), instrument);
  return words.arg(RoleName(failure.role), instrument, QString::fromStdString(failure.detail));
}

}  // namespace zelto::instruments
