#pragma once

#include "link/serial_port.h"
#include "link/translatable.h"

#include <string>
#include <string_view>

namespace zelto {

// The link's outcomes as the user reads them in the status panel.
inline constexpr const char* kStatusPortOpen = QT_TRANSLATE_NOOP("status", "Порт открыт");
inline constexpr const char* kStatusPortClosed = QT_TRANSLATE_NOOP("status", "Порт закрыт");
inline constexpr const char* kStatusNoAnswer = QT_TRANSLATE_NOOP("status", "Прибор не отвечает");
inline constexpr const char* kStatusWrongModel =
    QT_TRANSLATE_NOOP("status", "Ошибка выбора прибора");
inline constexpr const char* kStatusBadReply = QT_TRANSLATE_NOOP("status", "Ошибка приема");
inline constexpr const char* kStatusConnected = QT_TRANSLATE_NOOP("status", "Прибор подключен");
inline constexpr const char* kStatusDisconnected = QT_TRANSLATE_NOOP("status", "Прибор отключен");

// The texts that name a port add its device path where it has one, so that the user reads the
// name typed or picked, not only a number the program gave: "Порт Com3 (/dev/ttyUSB0) не
// найден". The port is the one value of each template (%1, PortMention).

// "Поиск на Com3 (/dev/ttyUSB0). Ждите!" while port 3 is being opened.
std::string SearchingStatus(int number, std::string_view path = {});

// "Неверный номер порта Com300": a number typed into the port list that no port can have.
std::string InvalidPortNumberStatus(int number);

// "Порт Com3 (/dev/ttyUSB0) отключен": the device of the open port went away (an adapter
// unplugged).
std::string PortGoneStatus(int number, std::string_view path = {});

// Why port n did not open, and what to do about it where the user can.
std::string OpenFailureStatus(int number, OpenFailure reason, std::string_view path = {});

}  // namespace zelto
