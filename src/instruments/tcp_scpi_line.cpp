#include "instruments/tcp_scpi_line.h"

namespace zelto::instruments {

TcpScpiLine::TcpScpiLine(InstrumentRole role, std::string name, const ScpiTimeouts& timeouts)
    : ScpiLine(role, std::move(name), timeouts) {}

std::variant<std::unique_ptr<ScpiLine>, InstrumentFailure> TcpScpiLine::Open(
    const InstrumentSetting& setting, InstrumentRole role, const ScpiTimeouts& timeouts) {
  auto line = std::make_unique<TcpScpiLine>(role, setting.text, timeouts);
  QTcpSocket& socket = line->socket_;
  socket.connectToHost(QString::fromStdString(setting.host), setting.port);
  const bool connected = WaitInSlices(timeouts, timeouts.connect, [&socket](int sliceMs) {
    return socket.waitForConnected(sliceMs) || socket.state() == QAbstractSocket::UnconnectedState;
  });
  if (!connected || socket.state() != QAbstractSocket::ConnectedState)
    return line->Failure(FailureKind::kNotConnected, socket.errorString().toStdString());
  // Each command is a line of its own that the instrument waits for.
  socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  return std::unique_ptr<ScpiLine>(std::move(line));
}

bool TcpScpiLine::Connected() const {
  return socket_.state() == QAbstractSocket::ConnectedState;
}

}  // namespace zelto::instruments
