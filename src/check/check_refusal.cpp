#include "check/check_refusal.h"

#include "link/translatable.h"

namespace zelto::check {

std::string_view RefusalText(Refusal refusal) {
  switch (refusal) {
    case Refusal::kUnknownModel:
      return QT_TRANSLATE_NOOP("status", "Проверка выхода невозможна: модель прибора неизвестна");
    case Refusal::kNotConfigured:
      return QT_TRANSLATE_NOOP("status", "Проверка выхода невозможна: прибор не конфигурирован");
    case Refusal::kUnknownSensor:
      return QT_TRANSLATE_NOOP("status",
                               "Проверка выхода невозможна: прибор хранит неизвестный код датчика");
    case Refusal::kCurrentRangeWords:
      return QT_TRANSLATE_NOOP(
          "status", "Проверка выхода невозможна: диапазон выходного тока прибора не 4...20 мА");
    case Refusal::kUnknownOutputRange:
      return QT_TRANSLATE_NOOP(
          "status",
          "Проверка выхода невозможна: прибор хранит неизвестный диапазон выходного тока");
    case Refusal::kSquareRoot:
      return QT_TRANSLATE_NOOP("status",
                               "Проверка выхода невозможна: включено извлечение квадратного корня");
    case Refusal::kEmptyRange:
      return QT_TRANSLATE_NOOP("status", "Проверка выхода невозможна: диапазон измерений пуст");
    case Refusal::kLinearWithoutTables:
      return QT_TRANSLATE_NOOP(
          "status", "Проверка выхода невозможна: линейность по ЭДС у входа без характеристики");
    case Refusal::kNoSignal:
      return QT_TRANSLATE_NOOP("status", "Проверка выхода невозможна: сигнал точки не вычисляется");
    case Refusal::kPointsNotNumbers:
      return QT_TRANSLATE_NOOP(
          "status", "Точки проверки: числа с десятичной точкой через запятую, например 0,12.5,100");
    case Refusal::kPointsCount:
      return QT_TRANSLATE_NOOP("status", "Точки проверки: нужно от 2 до 11 точек");
    case Refusal::kPointsOutsideRange:
      return QT_TRANSLATE_NOOP("status", "Точки проверки: каждая от 0 до 100 % диапазона");
    case Refusal::kPointsNotAscending:
      return QT_TRANSLATE_NOOP("status", "Точки проверки: по возрастанию, без повторов");
    case Refusal::kTolerance:
      return QT_TRANSLATE_NOOP("status", "Допуск: число больше 0 и не больше 100 %");
  }
  return {};
}

}  // namespace zelto::check
