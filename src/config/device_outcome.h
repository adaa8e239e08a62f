#pragma once

#include "link/translatable.h"

#include <string_view>

namespace zelto::config {

// How a read or write of the configuration ended. The window shows the status text the
// operation reported; the command-line tool turns the outcome into its exit code.
enum class DeviceOutcome {
  kDone,  // every request answered
  kNoAnswer,  // a request got no reply; the operation stopped there ("Прибор не отвечает")
  kRefused,  // the record or the correction was refused; nothing was sent
  kNotAvailable,  // the model has no such command ("В данной версии отсутствует")
  kNoModel,  // no model, or one the operation does not know; nothing was sent
  kStopped,  // the write's guard (its backup) stopped it before anything was sent, saying why
};

// The write handlers' own check, before any of these operations runs.
inline constexpr std::string_view kStatusNotConnected =
    QT_TRANSLATE_NOOP("status", "Прибор не подключен");
inline constexpr std::string_view kStatusReadDone = QT_TRANSLATE_NOOP("status", "Чтение завершено");
inline constexpr std::string_view kStatusUnknownDevice =
    QT_TRANSLATE_NOOP("status", "Неизвестный тип прибора");
inline constexpr std::string_view kStatusWriting =
    QT_TRANSLATE_NOOP("status", "Ждите завершения записи");
inline constexpr std::string_view kStatusWriteDone =
    QT_TRANSLATE_NOOP("status", "Запись завершена");
// A write of the changed words only that found none: nothing was sent.
inline constexpr std::string_view kStatusAlreadyHeld =
    QT_TRANSLATE_NOOP("status", "Прибор уже содержит эту конфигурацию");
inline constexpr std::string_view kStatusNotAvailable =
    QT_TRANSLATE_NOOP("status", "В данной версии отсутствует");
inline constexpr std::string_view kStatusInvalidRecord =
    QT_TRANSLATE_NOOP("status", "Конфигурация не записана: недопустимые значения");

}  // namespace zelto::config
