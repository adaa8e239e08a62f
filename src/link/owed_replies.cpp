#include "link/owed_replies.h"

#include "link/frame.h"
#include "link/link_timeouts.h"

#include <algorithm>

namespace zelto {

void OwedReplies::Sent(Clock::time_point deadline) {
  deadlines_.push_back(deadline);
  lastUnread_ = true;
}

void OwedReplies::SentNothing() {
  lastUnread_ = false;
}

void OwedReplies::LastRead() {
  if (lastUnread_)
    deadlines_.pop_back();
  lastUnread_ = false;
}

void OwedReplies::Clear() {
  deadlines_.clear();
  lastUnread_ = false;
}

bool OwedReplies::Drop(SerialPort& port, bool keepLast) {
  const bool keep = keepLast && lastUnread_;
  const std::size_t count = deadlines_.size() - (keep ? 1 : 0);
  bool whole = true;
  for (std::size_t i = 0; i < count; ++i) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadlines_[i] - Clock::now());
    // A reply past its deadline is on the line by now or never comes: it is taken without
    // waiting. Once one has not come in full the line is empty, and the other overdue ones
    // find nothing either.
    if (left.count() <= 0 && !whole)
      continue;
    const int waitMs = std::max(static_cast<int>(left.count()), LinkTimeouts::kShortestMs);
    // Only the deadline ends the wait: a reply that pauses halfway is still owed its end.
    const LinkTimeouts untilDeadline{waitMs, 0, waitMs};
    Frame reply{};
    if (port.Read(reply, untilDeadline) < kFrameSize)
      whole = false;
  }
  deadlines_.erase(deadlines_.begin(), deadlines_.begin() + static_cast<std::ptrdiff_t>(count));
  lastUnread_ = keep;
  return whole;
}

}  // namespace zelto
