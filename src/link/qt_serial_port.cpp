#include "link/qt_serial_port.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace zelto {
namespace {

// Linux gives the slave sides of pseudo-terminals the major numbers 136..143.
bool IsPseudoTerminal(int descriptor) {
  struct stat status {};
  if (descriptor < 0 || fstat(descriptor, &status) != 0 || !S_ISCHR(status.st_mode))
    return false;
  const unsigned int majorNumber = major(status.st_rdev);
  return majorNumber >= 136 && majorNumber <= 143;
}

bool ApplyLineSettings(QSerialPort& port, LineSettings settings) {
  return port.setBaudRate(settings.baud) && port.setDataBits(QSerialPort::Data8) &&
         port.setParity(QSerialPort::NoParity) && port.setStopBits(QSerialPort::TwoStop) &&
         port.setFlowControl(QSerialPort::NoFlowControl);
}

}  // namespace

OpenFailure ClassifyOpenFailure(QSerialPort::SerialPortError error, bool readWriteAllowed) {
  switch (error) {
    case QSerialPort::NoError:
      return OpenFailure::kNone;
    case QSerialPort::DeviceNotFoundError:
      return OpenFailure::kNoDevice;
    case QSerialPort::PermissionError:
      return readWriteAllowed ? OpenFailure::kBusy : OpenFailure::kNoAccess;
    default:
      return OpenFailure::kOther;
  }
}

OpenFailure QtSerialPort::Open(const std::string& path, LineSettings settings) {
  Close();
  port_.setPortName(QString::fromStdString(path));
  if (!port_.open(QIODevice::ReadWrite)) {
    const bool allowed = access(path.c_str(), R_OK | W_OK) == 0;
    const OpenFailure failure = ClassifyOpenFailure(port_.error(), allowed);
    port_.clearError();
    return failure;
  }
  if (!ApplyLineSettings(port_, settings)) {
    port_.close();
    port_.clearError();
    return OpenFailure::kSettings;
  }
  pseudoTerminal_ = IsPseudoTerminal(static_cast<int>(port_.handle()));
  return OpenFailure::kNone;
}

void QtSerialPort::Close() {
  if (port_.isOpen())
    port_.close();
  port_.clearError();
  pseudoTerminal_ = false;
}

int QtSerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (!port_.isOpen())
    return 0;
  const auto size = static_cast<qint64>(bytes.size());
  const qint64 accepted = port_.write(reinterpret_cast<const char*>(bytes.data()), size);
  if (accepted <= 0)
    return 0;
  const QDeadlineTimer deadline(WriteTimeoutMs(static_cast<int>(size)));
  while (port_.bytesToWrite() > 0) {
    if (!port_.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
      break;
  }
  return static_cast<int>(accepted - port_.bytesToWrite());
}

int QtSerialPort::Read(std::span<std::uint8_t> buffer, const LinkTimeouts& timeouts) {
  if (!port_.isOpen())
    return 0;
  const int count = static_cast<int>(buffer.size());
  const QDeadlineTimer total(timeouts.TotalMs(count));
  int received = 0;
  while (received < count) {
    const qint64 got =
        port_.read(reinterpret_cast<char*>(buffer.data()) + received, count - received);
    if (got < 0)
      break;
    received += static_cast<int>(got);
    if (received == count)
      break;

    // Before the first byte only the total bound runs; after it, the gap bound as well.
    const qint64 left = total.remainingTime();
    if (left <= 0)
      break;
    const qint64 wait = received == 0 ? left : std::min<qint64>(left, timeouts.gapMs);
    if (!port_.waitForReadyRead(static_cast<int>(wait)))
      break;
  }
  port_.clearError();  // a timed-out wait leaves TimeoutError set
  return received;
}

void QtSerialPort::Purge() {
  if (!port_.isOpen())
    return;
  port_.clear(QSerialPort::Input);
  port_.clear(QSerialPort::Output);
}

void QtSerialPort::DiscardInput() {
  if (port_.isOpen())
    port_.clear(QSerialPort::Input);
}

bool QtSerialPort::SetDtr(bool high) {
  return ModemLineResult(port_.setDataTerminalReady(high));
}

bool QtSerialPort::SetRts(bool high) {
  return ModemLineResult(port_.setRequestToSend(high));
}

bool QtSerialPort::ModemLineResult(bool ok) {
  if (ok)
    return true;
  if (!pseudoTerminal_)
    return false;
  port_.clearError();
  return true;
}

}  // namespace zelto
