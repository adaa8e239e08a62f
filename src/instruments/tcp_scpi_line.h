#pragma once

#include "instruments/scpi_line.h"

#include <QTcpSocket>

namespace zelto::instruments {

// SCPI over a TCP connection (an instrument's raw socket port, 5025 on most).
class TcpScpiLine final : public ScpiLine {
 public:
  static std::variant<std::unique_ptr<ScpiLine>, InstrumentFailure> Open(
      const InstrumentSetting& setting, InstrumentRole role, const ScpiTimeouts& timeouts);

  TcpScpiLine(InstrumentRole role, std::string name, const ScpiTimeouts& timeouts);

 protected:
  QIODevice& Device() override { return socket_; }
  bool Connected() const override;

 private:
  QTcpSocket socket_;
};

}  // namespace zelto::instruments
