#include "instruments/setting_refusal.h"

#include <QtGlobal>

namespace zelto::instruments {

std::string_view SettingRefusalText(SettingRefusal refusal) {
  switch (refusal) {
    case SettingRefusal::kUnknownConnection:
      return QT_TRANSLATE_NOOP(
          "status", "Прибор стенда задаётся как manual, serial:ПУТЬ[:СКОРОСТЬ] или tcp:УЗЕЛ:ПОРТ");
    case SettingRefusal::kNoPath:
      return QT_TRANSLATE_NOOP("status", "Не указан путь последовательного порта прибора стенда");
    case SettingRefusal::kBadBaud:
      return QT_TRANSLATE_NOOP(
          "status",
          "Скорость порта прибора стенда: 1200, 2400, 4800, 9600, 19200, 38400, 57600 или 115200");
    case SettingRefusal::kNoHost:
      return QT_TRANSLATE_NOOP("status", "Не указан сетевой узел прибора стенда");
    case SettingRefusal::kBadPort:
      return QT_TRANSLATE_NOOP("status", "Порт TCP прибора стенда: число от 1 до 65535");
    case SettingRefusal::kEmptyCommand:
      return QT_TRANSLATE_NOOP("status", "Команда прибора стенда пуста");
    case SettingRefusal::kCommandNotOneLine:
      return QT_TRANSLATE_NOOP(
          "status", "Команда прибора стенда должна быть одной строкой без управляющих символов");
    case SettingRefusal::kUnknownField:
      return QT_TRANSLATE_NOOP(
          "status", "Шаблон команды знает только поля {c}, {ohm}, {mv}, {v}, {ma} и {a}");
  }
  return {};
}

}  // namespace zelto::instruments
