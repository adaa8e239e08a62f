#include "instruments/instrument_setting.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace zelto::instruments {
namespace {

constexpr std::string_view kManual = "manual";
constexpr std::string_view kSerialPrefix = "serial:";
constexpr std::string_view kTcpPrefix = "tcp:";
constexpr std::array kBauds{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
constexpr int kHighestPort = 65535;

// The whole text as a non-negative decimal number, or nothing.
std::optional<int> Digits(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end)
    return std::nullopt;
  return value;
}

std::variant<InstrumentSetting, SettingRefusal> Serial(std::string_view rest,
                                                       InstrumentSetting setting) {
  setting.connection = Connection::kSerial;
  // A path may hold colons of its own (/dev/serial/by-path/...:1.0-port0): only digits after
  // the last one make a rate.
  const auto colon = rest.rfind(':');
  if (colon != std::string_view::npos && Digits(rest.substr(colon + 1))) {
    const int baud = *Digits(rest.substr(colon + 1));
    if (std::find(kBauds.begin(), kBauds.end(), baud) == kBauds.end())
      return SettingRefusal::kBadBaud;
    setting.baud = baud;
    rest = rest.substr(0, colon);
  }
  if (rest.empty())
    return SettingRefusal::kNoPath;
  setting.path = rest;
  return setting;
}

std::variant<InstrumentSetting, SettingRefusal> Tcp(std::string_view rest,
                                                    InstrumentSetting setting) {
  setting.connection = Connection::kTcp;
  const auto colon = rest.rfind(':');
  if (colon == std::string_view::npos)
    return SettingRefusal::kBadPort;
  const auto port = Digits(rest.substr(colon + 1));
  if (!port || *port < 1 || *port > kHighestPort)
    return SettingRefusal::kBadPort;
  setting.port = static_cast<uint16_t>(*port);
  std::string_view host = rest.substr(0, colon);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
    host = host.substr(1, host.size() - 2);
  // An IPv6 address without its brackets would leave its own colons in the host.
  if (host.empty() || (host.find(':') != std::string_view::npos && rest.front() != '['))
    return SettingRefusal::kNoHost;
  setting.host = host;
  return setting;
}

}  // namespace

std::variant<InstrumentSetting, SettingRefusal> ParseInstrumentSetting(std::string_view text) {
  InstrumentSetting setting;
  setting.text = text;
  if (text == kManual)
    return setting;
  if (text.starts_with(kSerialPrefix))
    return Serial(text.substr(kSerialPrefix.size()), setting);
  if (text.starts_with(kTcpPrefix))
    return Tcp(text.substr(kTcpPrefix.size()), setting);
  return SettingRefusal::kUnknownConnection;
}

}  // namespace zelto::instruments
