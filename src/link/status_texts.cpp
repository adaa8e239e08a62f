#include "link/status_texts.h"

#include "link/port_number.h"

#include <string_view>

namespace zelto {
namespace {

// The text of a template with its one value put in place of %1; the template is what the
// translators see, so the status reads the same in every language but for the value.
std::string Fill(std::string_view statusTemplate, const std::string& value) {
  std::string text(statusTemplate);
  const std::size_t at = text.find("%1");
  if (at != std::string::npos)
    text.replace(at, 2, value);
  return text;
}

}  // namespace

std::string SearchingStatus(int number, std::string_view path) {
  return Fill(QT_TRANSLATE_NOOP("status", "Поиск на %1. Ждите!"), PortMention(number, path));
}

std::string InvalidPortNumberStatus(int number) {
  return Fill(QT_TRANSLATE_NOOP("status", "Неверный номер порта %1"), PortMention(number, {}));
}

std::string PortGoneStatus(int number, std::string_view path) {
  return Fill(QT_TRANSLATE_NOOP("status", "Порт %1 отключен"), PortMention(number, path));
}

std::string OpenFailureStatus(int number, OpenFailure reason, std::string_view path) {
  const std::string port = PortMention(number, path);
  switch (reason) {
    case OpenFailure::kNoDevice:
      return Fill(QT_TRANSLATE_NOOP("status", "Порт %1 не найден"), port);
    case OpenFailure::kBusy:
      return Fill(QT_TRANSLATE_NOOP("status", "Порт %1 занят другой программой"), port);
    case OpenFailure::kNoAccess:
      return Fill(QT_TRANSLATE_NOOP("status",
                                    "Нет доступа к порту %1: добавьте пользователя в группу "
                                    "dialout (sudo usermod -aG dialout $USER) и войдите в "
                                    "систему снова"),
                  port);
    case OpenFailure::kSettings:
      return Fill(QT_TRANSLATE_NOOP("status", "Порт %1 не принимает настройки линии"), port);
    case OpenFailure::kBadName:
      return Fill(QT_TRANSLATE_NOOP("status", "Недопустимое имя устройства порта %1"), port);
    case OpenFailure::kNotSerial:
      return Fill(
          QT_TRANSLATE_NOOP("status", "Устройство порта %1 не является последовательным портом"),
          port);
    case OpenFailure::kNoResources:
      return Fill(
          QT_TRANSLATE_NOOP("status", "Порт %1 не открывается: не хватает ресурсов системы"), port);
    case OpenFailure::kNone:
    case OpenFailure::kOther:
      break;
  }
  return Fill(QT_TRANSLATE_NOOP("status", "Порт %1 не открывается"), port);
}

}  // namespace zelto
