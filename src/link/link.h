#pragma once

#include "link/connection_view.h"
#include "link/frame.h"
#include "link/link_state.h"
#include "link/link_timeouts.h"
#include "link/link_trace.h"
#include "link/owed_replies.h"
#include "link/port_table.h"
#include "link/reporter.h"
#include "link/serial_port.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace zelto {

// How an identification exchange ended.
enum class IdentifyOutcome {
  kMatched,     // a transmitter of the selected model answered
  kPortClosed,  // nothing was sent, or the port went away with the request
  kNoAnswer,    // "Прибор не отвечает"
  kWrongModel,  // "Ошибка выбора прибора": a valid type code of another model
  kBadReply,    // "Ошибка приема": not a reply, or a type code no model has
};

// Whether the device on the line echoes a read's address in bytes 2-3 of its reply. Not every
// device need do so; the checked reads learn it, once per session, from their first clean reply
// to a read at a nonzero address (a reply carrying 0 there echoes nothing).
enum class AddressEcho {
  kUnknown,    // no checked read at a nonzero address yet since the device was connected
  kEchoed,     // a reply that carries another address is a reply for another word
  kNotEchoed,  // bytes 2-3 say nothing
};

// The one serial link to a transmitter: the port, its state, the frame buffers, the request
// primitives every device operation goes through, and the device connection. The front end
// owns one for the life of the program and hands it to the operations that talk to the
// device. Everything blocks the calling thread until the reply or the time-outs.
class Link {
 public:
  // Without a port, the link uses the system's serial ports through Qt Serial Port.
  Link(Reporter& reporter, ConnectionView& view, LinkTimeouts timeouts = {},
       std::unique_ptr<SerialPort> port = nullptr);
  ~Link();
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  const LinkState& State() const { return state_; }
  bool IsPortOpen() const { return (state_.LinkFlags & fPortOpen) != 0; }
  bool IsDeviceConnected() const { return (state_.LinkFlags & fDevConnected) != 0; }
  const LinkTimeouts& Timeouts() const { return timeouts_; }
  // Set at the start of a write sequence and cleared at its end; the keep-alive check waits.
  void SetWriting(bool writing);
  // Null detaches the trace.
  void SetTrace(LinkTrace* trace) { trace_ = trace; }
  // What the port calls while it waits on the line (SerialPort::WaitHook); null for nothing.
  void SetWaitHook(SerialPort::WaitHook hook) { port_->SetWaitHook(std::move(hook)); }

  // --- Ports -----------------------------------------------------------------------------
  PortTable& Ports() { return ports_; }
  const PortTable& Ports() const { return ports_; }
  // Scans the system's serial devices and returns the ports to offer, in number order.
  std::vector<PortEntry> ListPorts();
  // Where the scan looks (the system's devices unless replaced, by tests for one).
  void SetPortScanner(std::function<std::vector<SystemPort>()> scanner);
  // The rate of the next open; a rate BaudTable does not have changes nothing.
  void SelectSpeed(int baud);

  // Opens port n with the line format; touches nothing else.
  bool OpenPort(int n);
  // Why the last OpenPort failed.
  OpenFailure LastOpenFailure() const { return lastOpenFailure_; }
  void PurgePort();
  // OpenPort, then DTR low and RTS high, the state and the port controls.
  bool ConnectPort(int n);
  // Disconnects the device if connected and closes the port; nothing when no port is open.
  void ReleasePort();
  // True when the device of the open port went away during an exchange (an adapter unplugged,
  // the line hung up): the link has released the port itself, with "Порт ComN (PATH) отключен".
  // Stays so until a port opens again.
  bool PortWentAway() const { return portGone_; }
  // Opens port n, or releases it when it is the current one. A failed open leaves PortNo at 0,
  // so the same port can be tried again at once.
  bool SelectPort(int n);

  // --- Frames and requests -----------------------------------------------------------------
  // Completes the checksum in the frame's last byte and sends it; returns the bytes written.
  int WriteFrame(std::span<std::uint8_t> frame);
  // Reads the last request's reply of buffer.size() bytes, after dropping the replies owed to
  // earlier ones; an incomplete one (byte 9 still 0) is read once more over what came. Returns
  // the count of the last read.
  int ReadFrame(std::span<std::uint8_t> buffer);

  // For a request whose reply is read next: first drops the replies still owed to earlier
  // requests (waiting for them at most until their deadlines) and discards any other unread
  // input, then sends; returns the bytes written.
  int SendRequest(std::uint16_t address, Payload payload, Command command);
  // For CmdWriteWord SendRequest, then the reply. Any other command is sent without waiting
  // for anything, since its caller may leave the reply unread (the test request does); the
  // reply is then owed, and the next read drops it. Advances the write progress. Returns
  // false when a word write got no reply (nothing else is read here, so other commands give
  // true); write sequences stop there rather than wait out the rest.
  bool Request(std::uint16_t address, Payload payload, Command command);
  // A zero-payload request whose reply lands in the caller's buffer; true if any byte came.
  bool Query(std::uint16_t address, Frame& reply, Command command);
  // Reads into ReplyBuffer; true if any byte came.
  bool ReadReply();
  // The reply's data as an int32, or -1 when nothing came (a value of -1 looks the same).
  std::int32_t ReadReplyValue();
  bool DoAction(std::uint8_t code);
  const Frame& ReplyBuffer() const { return replyBuffer_; }

  // The progress bar follows Request calls: n expected calls take it to 100 (0 switches off).
  void SetProgressSteps(int n);
  void ResetProgress() { progressTotal_ = 0; }

  // --- Device connection -------------------------------------------------------------------
  // The identification exchange against the model at position selectedModel of the device
  // list (type code = position + 1).
  IdentifyOutcome Identify(int selectedModel);
  // Identify and, when it matches, the connected state; kMatched on success.
  IdentifyOutcome ConnectDevice(int selectedModel);
  void DisconnectDevice();
  // The keep-alive: identifies again and disconnects when that fails.
  bool CheckDevice(int selectedModel);

  // Shows the kept port-selection events (the port button does so after each selection).
  void FlushTraceRing();

  // --- What the device's replies carry ------------------------------------------------------
  // Forgotten when a port opens and when a device is connected or disconnected: another device
  // may answer then.
  AddressEcho ReplyAddressEcho() const { return addressEcho_; }
  void LearnReplyAddressEcho(AddressEcho echo) { addressEcho_ = echo; }

 private:
  // After a transfer that came short: when the device has gone, releases the port as
  // ReleasePort does, telling the user why.
  void CheckLine();
  // The device path of port n, from a fresh scan when the last one did not have it; empty when
  // the number has none.
  std::string PathOfPort(int n);
  // One read of the port, traced.
  int ReadPort(std::span<std::uint8_t> buffer);
  // Builds and sends the request, and notes that its reply is owed until read.
  int Send(std::uint16_t address, Payload payload, Command command);
  // Reads and drops, untraced, the replies owed to earlier requests; the last request's too
  // unless keepLast.
  void DropOwedReplies(bool keepLast);
  void ClearPortState();
  void TraceFrame(std::span<const std::uint8_t> bytes, LinkTrace::Direction direction);
  void TraceEvent(int tag, int requested, int current);

  Reporter& reporter_;
  ConnectionView& view_;
  LinkTimeouts timeouts_;
  std::unique_ptr<SerialPort> port_;
  LinkTrace* trace_ = nullptr;
  PortTable ports_;
  std::function<std::vector<SystemPort>()> scanPorts_;

  LinkState state_;
  OpenFailure lastOpenFailure_ = OpenFailure::kNone;
  bool portGone_ = false;
  Frame requestFrame_{};
  Frame replyBuffer_{};
  OwedReplies owed_;
  int progressStep_ = 0;
  int progressTotal_ = 0;
  AddressEcho addressEcho_ = AddressEcho::kUnknown;
};

// "Прибор не отвечает" for an exchange without a reply, unless the port went away meanwhile:
// then the link has already said so, and that is what the user must read last.
void ShowNoAnswer(const Link& link, Reporter& reporter);

}  // namespace zelto
