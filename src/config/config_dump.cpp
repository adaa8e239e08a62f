#include "config/config_dump.h"

#include <cstdio>

namespace zelto::config {
namespace {

template <typename... Values>
std::string Format(const char* format, Values... values) {
  std::array<char, 192> line{};
  std::snprintf(line.data(), line.size(), format, values...);
  return line.data();
}

double Real(int32_t value) {
  return static_cast<double>(value);
}

double Real(float value) {
  return static_cast<double>(value);
}

}  // namespace

std::array<std::string, 6> ConfigDumpLines(const ConfigRecord& record) {
  return {
      Format("Device(d) =     %04d\tSensor(s) =     %04d", int{record.Device}, int{record.Sensor}),
      Format("Mode  (m) =     %04d", int{record.Mode}),
      Format("TermoC(c) =     %04d\tRezist(w) =     %04d", int{record.TermoC}, int{record.Rezist}),
      Format("RngMin    = %8.3f\tRngMax    = %8.3f", Real(record.RngMin), Real(record.RngMax)),
      Format("CrnMix    = %8.3f\tCrtMax    = %8.3f", Real(record.CrnMix), Real(record.CrtMax)),
      Format("Zero      = %8.3f\tFull      = %8.3f", Real(record.Zero), Real(record.Full)),
  };
}

void DumpConfig(const ConfigRecord& record, const TraceFlags& flags, Reporter& reporter) {
  if (!flags.Has(fCnftoMemo))
    return;
  reporter.ClearMemo();
  for (const std::string& line : ConfigDumpLines(record))
    reporter.AddMemoLine(line);
}

}  // namespace zelto::config
