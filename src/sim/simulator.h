#pragma once

#include "sim/fault.h"
#include "sim/hostile_line.h"
#include "sim/memory_reader.h"
#include "sim/protocol.h"
#include "sim/pseudo_terminal.h"
#include "sim/transmitter.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace zelto::sim {

// A simulated transmitter on a pseudo-terminal, answering from its own thread (the
// configurator blocks its thread in reads). A client opens Path() as its serial port.
class Simulator final : public MemoryReader {
 public:
  // Enough for the longest sequence the configurator sends (385 reads) many times over.
  static constexpr std::size_t kRequestLogSize = 10000;

  // model: device position 0..2. Starts serving at once. Throws std::system_error when no
  // pseudo-terminal (or thread) can be had.
  explicit Simulator(int model);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // The line's path; after PlugIn, the new one.
  const std::string& Path() const { return path_; }

  // Replaces the fault (none at start) and starts its request count afresh.
  void SetFault(Fault fault);
  // Behave as if the line ran at this rate (8N2, 11 bit times a byte): a request counts as
  // arrived when its twelve bytes would have crossed the wire, and replies go out at that
  // rate. 0 answers at once.
  void SetPacing(int baud);

  void LoadMemory(const MemoryImage& image);
  // The firmware version and date words the device reports (see Transmitter::SetFirmware).
  void SetFirmware(std::uint32_t versionWord, std::uint32_t dateWord);
  MemoryImage Memory() const override;
  // Holds a working-memory value at monitor address 0x500 + index, or lets it drift again
  // (see Transmitter::SetMonitorValue).
  void SetMonitorValue(int index, std::optional<std::int32_t> value);
  // Called on the serving thread after every word written, with the whole memory.
  void OnMemoryWritten(std::function<void(const MemoryImage&)> observer);

  // The well-formed requests received, in order: the last kRequestLogSize of them.
  std::vector<Frame> Requests() const;
  void ClearRequests();
  // Waits until `count` replies have gone out since the start or the last ClearRequests, at
  // most `limit`; false on time-out. Tells a test that a reply it leaves unread is on the line.
  bool WaitForReplies(std::size_t count, std::chrono::milliseconds limit) const;
  // Waits until `count` well-formed requests have come in since the start or the last
  // ClearRequests, at most `limit`; false on time-out. A late reply holds up the requests
  // behind it: this tells a test that what it sent has all been seen.
  bool WaitForRequests(std::size_t count, std::chrono::milliseconds limit) const;

  // The far end goes away: the pseudo-terminal closes, as the device of an unplugged adapter
  // does, and a client that holds it open finds its line hung up. Nothing when unplugged.
  void Unplug();
  // The device is back, on a new pseudo-terminal (the system may give it the old path again).
  // Nothing when plugged in. Throws std::system_error when no pseudo-terminal can be had.
  void PlugIn();

  // A client that sends requests and reads no replies fills the line. A reply that finds no
  // room for a while is dropped whole: what waits unread on the line is discarded with it, so
  // that no part of a reply is left for the next client to take as its answer.
  std::size_t DroppedReplies() const;
  // Waits until a reply has found the line full, at most `limit`; false on time-out.
  bool WaitUntilLineFull(std::chrono::milliseconds limit) const;

 private:
  enum class Served { kOn, kStop, kUnplug };

  struct Outgoing {
    std::vector<ReplyPiece> pieces;
    bool unplug = false;
  };

  void StartServing();
  // Stops the serving thread, if any, and waits for its end.
  void StopServing();
  void Serve();
  // Takes the complete requests out of pending_ and answers them.
  Served AnswerPending();
  Outgoing Respond(const Frame& request);
  Outgoing Misbehave(const Frame& request, Frame reply);
  // Sends the pieces of one reply; kStop when asked to stop meanwhile.
  Served SendReply(const std::vector<ReplyPiece>& pieces);
  enum class Sent { kWhole, kDropped, kStopped };
  Sent Send(const std::vector<std::uint8_t>& bytes);
  // Waits until the deadline; false when asked to stop meanwhile.
  bool WaitUntil(std::chrono::steady_clock::time_point deadline);
  std::chrono::nanoseconds ByteTime() const;
  void Count(std::size_t& counter);

  std::unique_ptr<PseudoTerminal> terminal_;  // the serving thread's while it runs
  std::string path_;
  std::array<int, 2> wake_{-1, -1};

  mutable std::mutex mutex_;  // everything below, shared with the serving thread
  mutable std::condition_variable counted_;
  std::size_t requestsReceived_ = 0;
  std::size_t repliesSent_ = 0;
  std::size_t repliesDropped_ = 0;
  std::size_t fullLines_ = 0;
  Transmitter transmitter_;
  Fault fault_;
  int faultRequests_ = 0;
  int faultReplies_ = 0;  // the replies the fault has changed
  std::mt19937 faultRandom_;
  int pacingBaud_ = 0;
  std::deque<Frame> requests_;
  std::function<void(const MemoryImage&)> memoryObserver_;

  // Serving thread only.
  std::deque<std::uint8_t> pending_;
  std::chrono::steady_clock::time_point pendingSince_;

  std::thread server_;
};

}  // namespace zelto::sim
