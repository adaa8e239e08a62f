#include "instruments/bench_connection.h"

namespace zelto::instruments {
namespace {

template <class Instrument>
std::optional<InstrumentFailure> Identify(Instrument& instrument,
                                          std::vector<std::string>& identities) {
  if (instrument.IsManual())
    return std::nullopt;
  auto identity = instrument.Identify();
  if (auto* failure = std::get_if<InstrumentFailure>(&identity))
    return *failure;
  identities.push_back(std::get<std::string>(identity));
  return std::nullopt;
}

}  // namespace

std::variant<BenchInstruments, InstrumentFailure> ConnectBench(const BenchWiring& wiring,
                                                               ManualEntry entry) {
  BenchInstruments bench;
  auto meter = ConnectMeter(wiring.meter, wiring.meterSettings, std::move(entry));
  if (auto* failure = std::get_if<InstrumentFailure>(&meter))
    return *failure;
  bench.meter = std::move(std::get<std::unique_ptr<CurrentMeter>>(meter));
  auto calibrator =
      ConnectCalibrator(wiring.calibrator, wiring.calibratorCommand, wiring.meterSettings.timeouts);
  if (auto* failure = std::get_if<InstrumentFailure>(&calibrator))
    return *failure;
  bench.calibrator = std::move(std::get<std::unique_ptr<Calibrator>>(calibrator));
  if (auto failure = Identify(*bench.meter, bench.identities))
    return *failure;
  if (auto failure = Identify(*bench.calibrator, bench.identities))
    return *failure;
  return bench;
}

std::optional<Identity> AskIdentity(const InstrumentSetting& setting, InstrumentRole role,
                                    const ScpiTimeouts& timeouts) {
  if (setting.connection == Connection::kManual)
    return std::nullopt;
  auto line = OpenScpiLine(setting, role, timeouts);
  if (auto* failure = std::get_if<InstrumentFailure>(&line))
    return *failure;
  Answer answer = std::get<std::unique_ptr<ScpiLine>>(line)->Query(kIdentifyQuery);
  if (auto* text = std::get_if<std::string>(&answer))
    return ShownAnswer(*text);
  return std::get<InstrumentFailure>(answer);
}

}  // namespace zelto::instruments
