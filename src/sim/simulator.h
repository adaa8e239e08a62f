#pragma once

#include "sim/fault.h"
#include "sim/protocol.h"
#include "sim/pseudo_terminal.h"
#include "sim/transmitter.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zelto::sim {

// A simulated transmitter on a pseudo-terminal, answering from its own thread (the
// configurator blocks its thread in reads). A client opens Path() as its serial port.
class Simulator {
 public:
  // model: device position 0..2. Starts serving at once. Throws std::system_error when no
  // pseudo-terminal can be had.
  explicit Simulator(int model);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  const std::string& Path() const { return terminal_.Path(); }

  // Replaces the fault (none at start) and starts its request count afresh.
  void SetFault(Fault fault);
  // Behave as if the line ran at this rate (8N2, 11 bit times a byte): a request counts as
  // arrived when its twelve bytes would have crossed the wire, and replies go out at that
  // rate. 0 answers at once.
  void SetPacing(int baud);

  void LoadMemory(const MemoryImage& image);
  // The firmware version and date words the device reports (see Transmitter::SetFirmware).
  void SetFirmware(std::uint32_t versionWord, std::uint32_t dateWord);
  MemoryImage Memory() const;
  // Called on the serving thread after every word written, with the whole memory.
  void OnMemoryWritten(std::function<void(const MemoryImage&)> observer);

  // Every well-formed request received so far, in order.
  std::vector<Frame> Requests() const;
  void ClearRequests();
  // Waits until `count` replies have gone out since the start or the last ClearRequests, at
  // most `limit`; false on time-out. Tells a test that a reply it leaves unread is on the line.
  bool WaitForReplies(std::size_t count, std::chrono::milliseconds limit) const;

 private:
  struct Outgoing {
    std::vector<std::uint8_t> first;
    std::chrono::milliseconds pause{0};
    std::vector<std::uint8_t> second;
  };

  void Serve();
  // Takes the complete requests out of pending_ and answers them.
  void AnswerPending();
  Outgoing Respond(const Frame& request);
  void Send(const std::vector<std::uint8_t>& bytes);
  // Waits until the deadline; false when asked to stop meanwhile.
  bool WaitUntil(std::chrono::steady_clock::time_point deadline);
  std::chrono::nanoseconds ByteTime() const;

  PseudoTerminal terminal_;
  std::array<int, 2> wake_{-1, -1};

  mutable std::mutex mutex_;  // everything below, shared with the serving thread
  mutable std::condition_variable replySent_;
  std::size_t repliesSent_ = 0;
  Transmitter transmitter_;
  Fault fault_;
  int faultRequests_ = 0;
  int pacingBaud_ = 0;
  std::vector<Frame> requests_;
  std::function<void(const MemoryImage&)> memoryObserver_;

  // Serving thread only.
  std::vector<std::uint8_t> pending_;
  std::chrono::steady_clock::time_point pendingSince_;

  std::thread server_;
};

}  // namespace zelto::sim
