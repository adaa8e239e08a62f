#pragma once

#include "link/serial_port.h"

#include <QSerialPort>

namespace zelto {

// SerialPort on Qt Serial Port, used without an event loop: every transfer waits on the calling
// thread.
class QtSerialPort final : public SerialPort {
 public:
  OpenFailure Open(const std::string& path, LineSettings settings) override;
  void Close() override;
  bool IsOpen() const override { return port_.isOpen(); }
  int Write(std::span<const std::uint8_t> bytes) override;
  int Read(std::span<std::uint8_t> buffer, const LinkTimeouts& timeouts) override;
  void Purge() override;
  void DiscardInput() override;
  bool SetDtr(bool high) override;
  bool SetRts(bool high) override;

 private:
  // Pseudo-terminals have no modem lines; refusing them there is no fault.
  bool ModemLineResult(bool ok);

  QSerialPort port_;
  bool pseudoTerminal_ = false;
};

// Qt reports a busy port and a forbidden one alike; whether the user may read and write the
// device tells them apart.
OpenFailure ClassifyOpenFailure(QSerialPort::SerialPortError error, bool readWriteAllowed);

}  // namespace zelto
