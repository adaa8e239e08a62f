#include "link/status_texts.h"

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

std::string Fill(std::string_view statusTemplate, int number) {
  return Fill(statusTemplate, std::to_string(number));
}

}  // namespace

std::string SearchingStatus(int number) {
  return Fill(QT_TRANSLATE_NOOP("status", "Поиск на Com%1. Ждите!"), number);
}

std::string InvalidPortNumberStatus(int number) {
  return Fill(QT_TRANSLATE_NOOP("status", "Неверный номер порта Com%1"), number);
}

std::string PortGoneStatus(int number) {
  return Fill(QT_TRANSLATE_NOOP("status", "Порт Com%1 отключен"), number);
}

std::string OpenFailureStatus(int number, OpenFailure reason) {
  switch (reason) {
    case OpenFailure::kNoDevice:
      return Fill(QT_TRANSLATE_NOOP("status", "Порт Com%1 не найден"), number);
    case OpenFailure::kBusy:
      return Fill(QT_TRANSLATE_NOOP("status", "Порт Com%1 занят другой программой"), number);
    case OpenFailure::kNoAccess:
      return Fill(QT_TRANSLATE_NOOP("status",
                                    "Нет доступа к порту Com%1: добавьте пользователя в группу "
                                    "dialout (sudo usermod -aG dialout $USER) и войдите в "
                                    "систему снова"),
                  number);
    case OpenFailure::kSettings:
      return Fill(QT_TRANSLATE_NOOP("status", "Порт Com%1 не принимает настройки линии"), number);
    case OpenFailure::kBadName:
      return Fill(QT_TRANSLATE_NOOP("status", "Недопустимое имя устройства порта Com%1"), number);
    case OpenFailure::kNotSerial:
      return Fill(
          QT_TRANSLATE_NOOP("status", "Устройство порта Com%1 не является последовательным портом"),
          number);
    case OpenFailure::kNoResources:
      return Fill(
          QT_TRANSLATE_NOOP("status", "Порт Com%1 не открывается: не хватает ресурсов системы"),
          number);
    case OpenFailure::kNone:
    case OpenFailure::kOther:
      break;
  }
  return Fill(QT_TRANSLATE_NOOP("status", "Порт Com%1 не открывается"), number);
}

}  // namespace zelto
