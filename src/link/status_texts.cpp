#include "link/status_texts.h"

namespace zelto {

std::string SearchingStatus(int number) {
  return "Поиск на Com" + std::to_string(number) + ". Ждите!";
}

std::string InvalidPortNumberStatus(int number) {
  return "Неверный номер порта Com" + std::to_string(number);
}

std::string PortGoneStatus(int number) {
  return "Порт Com" + std::to_string(number) + " отключен";
}

std::string OpenFailureStatus(int number, OpenFailure reason) {
  const std::string port = "Com" + std::to_string(number);
  switch (reason) {
    case OpenFailure::kNoDevice:
      return "Порт " + port + " не найден";
    case OpenFailure::kBusy:
      return "Порт " + port + " занят другой программой";
    case OpenFailure::kNoAccess:
      return "Нет доступа к порту " + port +
             ": добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER) и войдите "
             "в систему снова";
    case OpenFailure::kSettings:
      return "Порт " + port + " не принимает настройки линии";
    case OpenFailure::kBadName:
      return "Недопустимое имя устройства порта " + port;
    case OpenFailure::kNotSerial:
      return "Устройство порта " + port + " не является последовательным портом";
    case OpenFailure::kNoResources:
      return "Порт " + port + " не открывается: не хватает ресурсов системы";
    case OpenFailure::kNone:
    case OpenFailure::kOther:
      break;
  }
  return "Порт " + port + " не открывается";
}

}  // namespace zelto
