#include "instruments/instrument_connection.h"

#include "instruments/scpi_calibrator.h"

namespace zelto::instruments {

MeterConnection ConnectMeter(const InstrumentSetting& setting, const MeterSettings& settings,
                             ManualEntry entry) {
  if (setting.connection == Connection::kManual)
    return std::make_unique<ManualMeter>(std::move(entry));
  auto line = OpenScpiLine(setting, InstrumentRole::kCurrentMeter, settings.timeouts);
  if (auto* failure = std::get_if<InstrumentFailure>(&line))
    return *failure;
  return std::make_unique<ScpiMeter>(std::move(std::get<std::unique_ptr<ScpiLine>>(line)),
                                     settings.query);
}

CalibratorConnection ConnectCalibrator(const InstrumentSetting& setting,
                                       const std::optional<CommandTemplate>& command,
                                       const ScpiTimeouts& timeouts) {
  if (setting.connection == Connection::kManual)
    return std::make_unique<ManualCalibrator>();
  if (!command)
    return InstrumentFailure{
        InstrumentRole::kCalibrator, FailureKind::kNoCommand, setting.text, {}};
  auto line = OpenScpiLine(setting, InstrumentRole::kCalibrator, timeouts);
  if (auto* failure = std::get_if<InstrumentFailure>(&line))
    return *failure;
  return std::make_unique<ScpiCalibrator>(std::move(std::get<std::unique_ptr<ScpiLine>>(line)),
                                          *command);
}

}  // namespace zelto::instruments
