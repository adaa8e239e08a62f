#pragma once

#include "link/serial_port.h"

#include <chrono>
#include <cstddef>
#include <deque>

namespace zelto {

// The replies the device still owes: requests that went out and whose replies nobody read.
// The device answers every request in turn, however late, so a reply left owed would be taken
// for the answer to the next request read, and every answer after it would land one request
// late. Each is owed until its deadline; by then it has come in full or never will.
class OwedReplies {
 public:
  using Clock = std::chrono::steady_clock;

  // A request went out whole; its reply may come until the deadline, and is owed unless
  // LastRead follows before the next request. An earlier reply still unread stays owed.
  void Sent(Clock::time_point deadline);
  // A request did not go out whole: the device answers no part of one.
  void SentNothing();
  // The last request's reply has been read, in full or until its read gave up: not owed.
  void LastRead();
  void Clear();

  bool None() const { return deadlines_.empty(); }

  // Reads and drops the owed replies in order, each until it has come in full or its deadline
  // has passed; the last request's reply is left to its reader when keepLast is set and it is
  // still unread. Returns false when one did not come in full.
  bool Drop(SerialPort& port, bool keepLast);

 private:
  std::deque<Clock::time_point> deadlines_;  // in sending order
  bool lastUnread_ = false;                  // the back is the last request's
};

}  // namespace zelto
