#pragma once

#include "link/link_timeouts.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace zelto {

// Why a port did not open; the user is told which, since each has its own remedy.
enum class OpenFailure {
  kNone,
  kNoDevice,     // no such device (unplugged adapter, wrong path)
  kBusy,         // another program holds it
  kNoAccess,     // the user may not use it (the system said so: EACCES or EPERM)
  kSettings,     // it opened but refused the line format
  kBadName,      // a path the system cannot take (too long, a loop of links)
  kNotSerial,    // something that is no serial port (a file, a folder, /dev/null)
  kNoResources,  // the process has no descriptor (or memory) left to open it with
  kOther,
};

// The line format of the link: 8 data bits, no parity, 2 stop bits, no flow control, at a
// rate of BaudTable.
struct LineSettings {
  int baud = 4800;
};

// The serial port as the link needs it: blocking transfers on the calling thread. One
// implementation talks to real ports; tests wrap it to count what passes through.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Opens the device exclusively and applies the line format.
  virtual OpenFailure Open(const std::string& path, LineSettings settings) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // Returns the number of bytes written; 0 when the port is closed.
  virtual int Write(std::span<const std::uint8_t> bytes) = 0;
  // Reads up to buffer.size() bytes, ending as LinkTimeouts describes; returns the count read.
  virtual int Read(std::span<std::uint8_t> buffer, const LinkTimeouts& timeouts) = 0;
  // Discards what was received and not read, then what was written and not sent.
  virtual void Purge() = 0;
  // Discards only what was received and not read (a reply nobody read, the late end of a cut
  // reply), leaving what is on its way out.
  virtual void DiscardInput() = 0;

  // Modem control lines; false when the port refused.
  virtual bool SetDtr(bool high) = 0;
  virtual bool SetRts(bool high) = 0;

  // Called while a transfer waits on the line, every few tens of milliseconds, with how long
  // that wait has lasted; a front end keeps its windows painted from here. It must not use the
  // port. Waits, their order and their time-outs are the same with a hook as without.
  using WaitHook = std::function<void(std::chrono::milliseconds waited)>;
  virtual void SetWaitHook(WaitHook /*hook*/) {}

  // True once the far end has gone away under the open port (the adapter unplugged, the line
  // hung up): from then on every transfer fails at once, until the port is closed.
  virtual bool DeviceGone() const { return false; }
};

}  // namespace zelto
