#pragma once

#include "instruments/setting_refusal.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace zelto::instruments {

enum class Connection { kManual, kSerial, kTcp };

inline constexpr int kDefaultInstrumentBaud = 9600;

// How an instrument is reached, as the user writes it: "manual", "serial:PATH[:BAUD]" (8N1) or
// "tcp:HOST:PORT" (HOST may be an IPv6 address in brackets).
struct InstrumentSetting {
  Connection connection = Connection::kManual;
  std::string path;  // serial
  int baud = kDefaultInstrumentBaud;
  std::string host;  // tcp, without brackets
  uint16_t port = 0;
  std::string text;  // as written, to name the instrument to the user

  bool operator==(const InstrumentSetting&) const = default;
};

std::variant<InstrumentSetting, SettingRefusal> ParseInstrumentSetting(std::string_view text);

}  // namespace zelto::instruments
