#include "link/qt_serial_port.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace zelto {
namespace {

// How long a wait runs between two calls of the wait hook.
constexpr qint64 kWaitSliceMs = 50;

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

// Whether the process could open `count` more descriptors now.
bool DescriptorsLeft(int count) {
  std::array<int, 2> probes{-1, -1};
  bool left = true;
  for (int i = 0; i < count && i < static_cast<int>(probes.size()); ++i) {
    probes[i] = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (probes[i] < 0 && (errno == EMFILE || errno == ENFILE))
      left = false;
  }
  for (const int probe : probes) {
    if (probe >= 0)
      close(probe);
  }
  return left;
}

// What an errno of looking at the path says about it.
OpenFailure PathFailure(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENODEV:
    case ENXIO:
      return OpenFailure::kNoDevice;
    case ENAMETOOLONG:
    case ELOOP:
      return OpenFailure::kBadName;
    case EACCES:
    case EPERM:
      return OpenFailure::kNoAccess;
    case ENOMEM:
      return OpenFailure::kNoResources;
    default:
      return OpenFailure::kOther;
  }
}

}  // namespace

OpenDiagnosis DiagnoseOpen(const std::string& path) {
  OpenDiagnosis diagnosis;
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    diagnosis.pathError = errno;
  } else {
    diagnosis.characterDevice = S_ISCHR(status.st_mode);
    if (access(path.c_str(), R_OK | W_OK) != 0)
      diagnosis.accessError = errno;
  }
  diagnosis.descriptorsLeft = DescriptorsLeft(2);
  return diagnosis;
}

OpenFailure ClassifyOpenFailure(QSerialPort::SerialPortError error,
                                const OpenDiagnosis& diagnosis) {
  if (error == QSerialPort::NoError)
    return OpenFailure::kNone;
  if (diagnosis.pathError != 0)
    return PathFailure(diagnosis.pathError);
  if (!diagnosis.characterDevice)
    return OpenFailure::kNotSerial;
  if (diagnosis.accessError != 0)
    return PathFailure(diagnosis.accessError);
  if (!diagnosis.descriptorsLeft)
    return OpenFailure::kNoResources;
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return OpenFailure::kNoDevice;
    case QSerialPort::PermissionError:
      // The user may read and write the device, so another program holds it (its lock file,
      // or the device opened exclusively).
      return OpenFailure::kBusy;
    case QSerialPort::UnsupportedOperationError:
      return OpenFailure::kNotSerial;  // a device without terminal settings, /dev/null say
    default:
      return OpenFailure::kOther;
  }
}

OpenFailure QtSerialPort::Open(const std::string& path, LineSettings settings) {
  Close();
  port_.setPortName(QString::fromStdString(path));
  if (!port_.open(QIODevice::ReadWrite)) {
    const OpenFailure failure = ClassifyOpenFailure(port_.error(), DiagnoseOpen(path));
    port_.clearError();
    return failure;
  }
  // Qt's lock file is named after the path, and its exclusive mode does not hold for root: a
  // second name for the device (a link to it) or a program run as root would get in beside the
  // holder, and the two would take each other's replies. A lock on the device itself holds
  // whatever the name and whoever asks; closing the port lets it go.
  if (flock(static_cast<int>(port_.handle()), LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    port_.close();
    port_.clearError();
    return error == EWOULDBLOCK ? OpenFailure::kBusy : OpenFailure::kOther;
  }
  if (!ApplyLineSettings(port_, settings)) {
    port_.close();
    port_.clearError();
    return OpenFailure::kSettings;
  }
  pseudoTerminal_ = IsPseudoTerminal(static_cast<int>(port_.handle()));
  path_ = path;
  return OpenFailure::kNone;
}

void QtSerialPort::Close() {
  if (port_.isOpen())
    port_.close();
  port_.clearError();
  path_.clear();
  pseudoTerminal_ = false;
  resourceError_ = false;
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
    if (!WaitForOutput(deadline.remainingTime()))
      break;
  }
  const auto unsent = port_.bytesToWrite();
  if (unsent > 0) {
    // What did not go out now must not go out with the next frame.
    NoteError();
    port_.clear(QSerialPort::Output);
    port_.clearError();
  }
  return static_cast<int>(accepted - unsent);
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
    if (!WaitForInput(wait))
      break;
  }
  NoteError();
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

bool QtSerialPort::DeviceGone() const {
  if (!port_.isOpen())
    return false;
  // A line whose far end went away is hung up: poll says so at once, and keeps saying it.
  pollfd line{static_cast<int>(port_.handle()), POLLIN, 0};
  if (poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0)
    return true;
  // An adapter may go before its line is hung up: its device node is gone, and Qt says that
  // the resource went away.
  struct stat status {};
  return resourceError_ && stat(path_.c_str(), &status) != 0 && errno == ENOENT;
}

bool QtSerialPort::WaitForInput(qint64 ms) {
  const QDeadlineTimer deadline(ms);
  QElapsedTimer waited;
  waited.start();
  while (!port_.waitForReadyRead(SliceOf(deadline))) {
    if (!WaitOn(deadline, waited))
      return false;
    if (port_.bytesAvailable() > 0)
      return true;  // taken in while the hook ran
  }
  return true;
}

bool QtSerialPort::WaitForOutput(qint64 ms) {
  const QDeadlineTimer deadline(ms);
  QElapsedTimer waited;
  waited.start();
  while (!port_.waitForBytesWritten(SliceOf(deadline))) {
    if (!WaitOn(deadline, waited))
      return false;
    if (port_.bytesToWrite() == 0)
      return true;  // sent while the hook ran
  }
  return true;
}

int QtSerialPort::SliceOf(const QDeadlineTimer& deadline) const {
  const qint64 left = std::max<qint64>(deadline.remainingTime(), 0);
  return static_cast<int>(waitHook_ ? std::min(left, kWaitSliceMs) : left);
}

bool QtSerialPort::WaitOn(const QDeadlineTimer& deadline, const QElapsedTimer& waited) {
  // Anything but a slice that ran out (a line gone, the port closed) ends the wait as before.
  if (!waitHook_ || port_.error() != QSerialPort::TimeoutError || deadline.hasExpired())
    return false;
  port_.clearError();
  waitHook_(std::chrono::milliseconds(waited.elapsed()));
  return port_.isOpen();
}

void QtSerialPort::NoteError() {
  if (port_.error() == QSerialPort::ResourceError)
    resourceError_ = true;
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
