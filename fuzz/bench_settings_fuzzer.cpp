// What the user gives the bench on the command line: an instrument's description, a
// calibrator's command template, the check's points and the simulated unit's error.
#include "check/test_points.h"
#include "fuzz_check.h"
#include "instruments/command_template.h"
#include "instruments/instrument_setting.h"
#include "rig/unit_error.h"

#include <cmath>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const auto described = instruments::ParseInstrumentSetting(text);
  if (const auto* setting = std::get_if<instruments::InstrumentSetting>(&described)) {
    if (setting->connection == instruments::Connection::kSerial)
      ZELTO_FUZZ_CHECK(!setting->path.empty() && setting->baud > 0);
    if (setting->connection == instruments::Connection::kTcp)
      ZELTO_FUZZ_CHECK(!setting->host.empty() && setting->port > 0);
  }

  const auto parsed = instruments::CommandTemplate::Parse(text);
  if (const auto* command = std::get_if<instruments::CommandTemplate>(&parsed)) {
    // Whatever the values, the filled command is still one line for the calibrator.
    const instruments::SourceValues values{-1e300, 1e300, -0.0, 4.5e-7};
    ZELTO_FUZZ_CHECK(!command->MissingField(values));
    ZELTO_FUZZ_CHECK(!instruments::RefuseCommandLine(command->Fill(values)));
    ZELTO_FUZZ_CHECK(!instruments::RefuseCommandLine(command->Fill({})));
  }

  const auto points = check::ParsePoints(text);
  if (const auto* percents = std::get_if<std::vector<double>>(&points))
    ZELTO_FUZZ_CHECK(!check::RefusePoints(*percents));

  if (const auto error = rig::ParseUnitError(text))
    ZELTO_FUZZ_CHECK(std::isfinite(error->gain) && error->gain > 0 && std::isfinite(error->offset));
  return 0;
}
