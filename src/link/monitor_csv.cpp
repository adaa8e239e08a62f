#include "link/monitor_csv.h"

#include <array>
#include <cstdio>
#include <ctime>

namespace zelto {

std::string MonitorCsvHeader(MonitorSet set) {
  std::string header = "time";
  for (const std::uint16_t address : MonitorAddresses(set)) {
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), ",0x%04X", static_cast<unsigned>(address));
    header += name.data();
  }
  return header;
}

std::string MonitorCsvLine(std::chrono::system_clock::time_point start,
                           const std::vector<MonitorReading>& readings) {
  std::string line = LocalIsoTime(start);
  for (const MonitorReading& reading : readings) {
    line += ',';
    if (reading.value)
      line += std::to_string(*reading.value);
  }
  return line;
}

std::string LocalIsoTime(std::chrono::system_clock::time_point time) {
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  using std::chrono::seconds;
  // Whole seconds toward the past, so that the milliseconds stay 0..999 before 1970 too.
  const auto sinceEpoch = duration_cast<milliseconds>(time.time_since_epoch());
  auto wholeSeconds = duration_cast<seconds>(sinceEpoch);
  if (wholeSeconds > sinceEpoch)
    wholeSeconds -= seconds(1);
  const auto millis = static_cast<int>((sinceEpoch - wholeSeconds).count());
  const std::time_t clock = static_cast<std::time_t>(wholeSeconds.count());
  std::tm local{};
  localtime_r(&clock, &local);

  std::array<char, 32> date{};
  std::strftime(date.data(), date.size(), "%Y-%m-%dT%H:%M:%S", &local);
  // Offsets lie within a day either way.
  const long offsetMinutes = local.tm_gmtoff / 60;
  const int absolute =
      static_cast<int>((offsetMinutes < 0 ? -offsetMinutes : offsetMinutes) % 1440);
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), "%s.%03d%c%02d:%02d", date.data(), millis % 1000,
                offsetMinutes < 0 ? '-' : '+', absolute / 60, absolute % 60);
  return text.data();
}

}  // namespace zelto
