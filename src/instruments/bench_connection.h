#pragma once

#include "instruments/calibrator.h"
#include "instruments/command_template.h"
#include "instruments/current_meter.h"
#include "instruments/instrument_connection.h"
#include "instruments/instrument_setting.h"
#include "instruments/manual_instruments.h"

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zelto::instruments {

// How the user describes the bench's two instruments: the tool's options, the window's fields.
struct BenchWiring {
  InstrumentSetting meter;
  MeterSettings meterSettings;
  InstrumentSetting calibrator;
  std::optional<CommandTemplate> calibratorCommand;
};

// The bench's meter and calibrator, connected.
struct BenchInstruments {
  std::unique_ptr<CurrentMeter> meter;
  std::unique_ptr<Calibrator> calibrator;
  std::vector<std::string> identities;  // the *IDN? answers, meter first; none of a manual one
};

// Connects the meter (a manual one reads from `entry`) and the calibrator and asks each that
// reads or sets itself *IDN? once; the first failure, with nothing more connected.
std::variant<BenchInstruments, InstrumentFailure> ConnectBench(const BenchWiring& wiring,
                                                               ManualEntry entry);

// The *IDN? answer of the instrument the description names, asked over a line of its own; nothing
// for a manual one. Needs no calibrator command, so that the user can see both instruments answer
// before the rest of the setup is filled in.
std::optional<Identity> AskIdentity(const InstrumentSetting& setting, InstrumentRole role,
                                    const ScpiTimeouts& timeouts);

}  // namespace zelto::instruments
