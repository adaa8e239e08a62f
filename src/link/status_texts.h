#pragma once

#include "link/serial_port.h"

#include <string>

namespace zelto {

// The link's outcomes as the user reads them in the status panel.
inline constexpr const char* kStatusPortOpen = "Порт открыт";
inline constexpr const char* kStatusPortClosed = "Порт закрыт";
inline constexpr const char* kStatusNoAnswer = "Прибор не отвечает";
inline constexpr const char* kStatusWrongModel = "Ошибка выбора прибора";
inline constexpr const char* kStatusBadReply = "Ошибка приема";
inline constexpr const char* kStatusConnected = "Прибор подключен";
inline constexpr const char* kStatusDisconnected = "Прибор отключен";

// "Поиск на Com3. Ждите!" while port 3 is being opened.
std::string SearchingStatus(int number);

// "Неверный номер порта Com300": a number typed into the port list that no port can have.
std::string InvalidPortNumberStatus(int number);

// "Порт Com3 отключен": the device of the open port went away (an adapter unplugged).
std::string PortGoneStatus(int number);

// Why port n did not open, and what to do about it where the user can.
std::string OpenFailureStatus(int number, OpenFailure reason);

}  // namespace zelto
