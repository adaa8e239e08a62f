#pragma once

#include "link/serial_port.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSerialPort>

#include <string>

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
  bool DeviceGone() const override;
  void SetWaitHook(WaitHook hook) override { waitHook_ = std::move(hook); }

 private:
  // Pseudo-terminals have no modem lines; refusing them there is no fault.
  bool ModemLineResult(bool ok);
  // Notes a resource error before the transfer clears the port's error.
  void NoteError();
  // Qt's waits, in slices with the wait hook called between them. True when the port has
  // something to read, or has written everything.
  bool WaitForInput(qint64 ms);
  bool WaitForOutput(qint64 ms);
  // How long the next slice of a wait runs: what is left of it, at most a slice with a hook.
  int SliceOf(const QDeadlineTimer& deadline) const;
  // Whether a slice that ended without the event is followed by another: it ran out and time
  // is left. Calls the hook first with how long the wait has lasted.
  bool WaitOn(const QDeadlineTimer& deadline, const QElapsedTimer& waited);

  QSerialPort port_;
  WaitHook waitHook_;
  std::string path_;
  bool pseudoTerminal_ = false;
  bool resourceError_ = false;
};

// What the system says about a path whose open failed. Qt reports a forbidden device, one that
// another program holds and a name too long for its lock file all as a permission error, and
// a shortage of descriptors as whatever step ran short; these tell them apart.
struct OpenDiagnosis {
  int pathError = 0;  // errno of looking the path up; 0 when it leads somewhere
  bool characterDevice = true;
  int accessError = 0;          // errno of asking for reading and writing; 0 when allowed
  bool descriptorsLeft = true;  // the two an open takes (the device and its lock file)
};

OpenDiagnosis DiagnoseOpen(const std::string& path);
OpenFailure ClassifyOpenFailure(QSerialPort::SerialPortError error, const OpenDiagnosis& diagnosis);

}  // namespace zelto
