#pragma once

#include "instruments/calibrator.h"
#include "instruments/command_template.h"
#include "instruments/current_meter.h"
#include "instruments/instrument_setting.h"
#include "instruments/manual_instruments.h"
#include "instruments/scpi_line.h"
#include "instruments/scpi_meter.h"

#include <memory>
#include <optional>
#include <variant>

namespace zelto::instruments {

struct MeterSettings {
  std::string query{kDefaultMeterQuery};
  ScpiTimeouts timeouts;
};

using MeterConnection = std::variant<std::unique_ptr<CurrentMeter>, InstrumentFailure>;
using CalibratorConnection = std::variant<std::unique_ptr<Calibrator>, InstrumentFailure>;

// The meter the description names, connected: a manual one reads from `entry`.
MeterConnection ConnectMeter(const InstrumentSetting& setting, const MeterSettings& settings,
                             ManualEntry entry);

// The calibrator the description names, connected. One over a serial port or TCP needs its
// command (kNoCommand without it); a manual one takes none.
CalibratorConnection ConnectCalibrator(const InstrumentSetting& setting,
                                       const std::optional<CommandTemplate>& command,
                                       const ScpiTimeouts& timeouts);

}  // namespace zelto::instruments
