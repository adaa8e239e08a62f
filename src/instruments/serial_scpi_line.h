#pragma once

#include "instruments/scpi_line.h"

#include <QSerialPort>

namespace zelto::instruments {

// SCPI over a serial port: 8 data bits, no parity, 1 stop bit, no flow control.
class SerialScpiLine final : public ScpiLine {
 public:
  static std::variant<std::unique_ptr<ScpiLine>, InstrumentFailure> Open(
      const InstrumentSetting& setting, InstrumentRole role, const ScpiTimeouts& timeouts);

  SerialScpiLine(InstrumentRole role, std::string name, const ScpiTimeouts& timeouts);

 protected:
  QIODevice& Device() override { return port_; }
  bool Connected() const override;

 private:
  QSerialPort port_;
};

}  // namespace zelto::instruments
