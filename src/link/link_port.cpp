// The port: opening with the line format, the modem lines, purging and releasing.
#include "link/link.h"
#include "link/qt_serial_port.h"
#include "link/status_texts.h"

namespace zelto {

std::optional<std::uint8_t> SpeedIndexForBaud(int baud) {
  for (std::size_t i = 0; i < BaudTable.size(); ++i) {
    if (BaudTable[i] == baud)
      return static_cast<std::uint8_t>(i);
  }
  return std::nullopt;
}

Link::Link(Reporter& reporter, ConnectionView& view, LinkTimeouts timeouts,
           std::unique_ptr<SerialPort> port)
    : reporter_(reporter),
      view_(view),
      timeouts_(timeouts),
      port_(port ? std::move(port) : std::make_unique<QtSerialPort>()),
      scanPorts_(SystemSerialPorts) {}

Link::~Link() = default;

void Link::SetWriting(bool writing) {
  if (writing) {
    state_.LinkFlags |= fWriting;
  } else {
    state_.LinkFlags &= static_cast<std::uint8_t>(~fWriting);
  }
}

std::vector<PortEntry> Link::ListPorts() {
  ports_.Update(scanPorts_());
  return ports_.Listed();
}

void Link::SetPortScanner(std::function<std::vector<SystemPort>()> scanner) {
  scanPorts_ = scanner ? std::move(scanner) : SystemSerialPorts;
}

void Link::SelectSpeed(int baud) {
  if (const auto index = SpeedIndexForBaud(baud))
    state_.SpeedIndex = *index;
}

std::string Link::PathOfPort(int n) {
  const std::string path = ports_.PathOf(n);
  if (!path.empty())
    return path;
  ListPorts();  // an adapter plugged in since the last scan
  return ports_.PathOf(n);
}

bool Link::OpenPort(int n) {
  const std::string path = PathOfPort(n);
  if (path.empty()) {
    lastOpenFailure_ = OpenFailure::kNoDevice;
    return false;
  }
  lastOpenFailure_ = port_->Open(path, {BaudTable.at(state_.SpeedIndex)});
  owed_.Clear();  // whatever was open before is closed now
  addressEcho_ = AddressEcho::kUnknown;
  if (lastOpenFailure_ != OpenFailure::kNone)
    return false;
  portGone_ = false;
  return true;
}

void Link::PurgePort() {
  // A reply still on its way would leave its end after the purge, for the next reader.
  DropOwedReplies(false);
  port_->Purge();
}

bool Link::ConnectPort(int n) {
  bool opened = OpenPort(n);
  if (opened) {
    PurgePort();
    // The transmitter's interface expects DTR low and RTS high for as long as the port is open.
    if (!port_->SetDtr(false) || !port_->SetRts(true)) {
      port_->Close();
      lastOpenFailure_ = OpenFailure::kSettings;
      opened = false;
    }
  }
  if (!opened) {
    reporter_.ShowStatus(OpenFailureStatus(n, lastOpenFailure_, ports_.PathOf(n)));
    view_.PortOpenFailed(n, lastOpenFailure_);
    return false;
  }
  state_.LinkFlags |= static_cast<std::uint8_t>(fPortOpen | (n & kPortNumberBits));
  state_.PortNo = static_cast<std::uint8_t>(n);
  reporter_.ShowStatus(kStatusPortOpen);
  view_.PortOpened(n);
  return true;
}

void Link::ReleasePort() {
  if (!IsPortOpen())
    return;
  if (IsDeviceConnected())
    DisconnectDevice();
  port_->SetDtr(false);
  port_->Close();
  ClearPortState();
  reporter_.ShowStatus(kStatusPortClosed);
  view_.PortReleased();
}

void Link::CheckLine() {
  if (!IsPortOpen() || !port_->DeviceGone())
    return;
  const int number = state_.PortNo;
  if (IsDeviceConnected())
    DisconnectDevice();
  port_->Close();  // no modem lines to set: the line is gone
  ClearPortState();
  portGone_ = true;
  reporter_.ShowStatus(PortGoneStatus(number, ports_.PathOf(number)));
  view_.PortReleased();
}

void Link::ClearPortState() {
  state_.LinkFlags &= static_cast<std::uint8_t>(fWriting | kDeviceBits);
  state_.PortNo = 0;
  owed_.Clear();
}

}  // namespace zelto
