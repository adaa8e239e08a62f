#include "instruments/serial_scpi_line.h"

namespace zelto::instruments {

SerialScpiLine::SerialScpiLine(InstrumentRole role, std::string name, const ScpiTimeouts& timeouts)
    : ScpiLine(role, std::move(name), timeouts) {}

std::variant<std::unique_ptr<ScpiLine>, InstrumentFailure> SerialScpiLine::Open(
    const InstrumentSetting& setting, InstrumentRole role, const ScpiTimeouts& timeouts) {
  auto line = std::make_unique<SerialScpiLine>(role, setting.text, timeouts);
  QSerialPort& port = line->port_;
  port.setPortName(QString::fromStdString(setting.path));
  if (!port.open(QIODevice::ReadWrite))
    return line->Failure(FailureKind::kNotConnected, port.errorString().toStdString());
  const bool set = port.setBaudRate(setting.baud) && port.setDataBits(QSerialPort::Data8) &&
                   port.setParity(QSerialPort::NoParity) &&
                   port.setStopBits(QSerialPort::OneStop) &&
                   port.setFlowControl(QSerialPort::NoFlowControl);
  if (!set)
    return line->Failure(FailureKind::kNotConnected, port.errorString().toStdString());
  port.clear();
  return std::unique_ptr<ScpiLine>(std::move(line));
}

bool SerialScpiLine::Connected() const {
  return port_.isOpen() && port_.error() != QSerialPort::ResourceError;
}

}  // namespace zelto::instruments
