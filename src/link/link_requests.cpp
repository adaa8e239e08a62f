// Frames on the wire and the request primitives every device operation goes through.
#include "link/link.h"
#include "link/status_texts.h"

#include <algorithm>
#include <chrono>

namespace zelto {
namespace {

constexpr int kProgressFull = 1000;  // the bar shows a tenth of the total

}  // namespace

int Link::WriteFrame(std::span<std::uint8_t> frame) {
  SealFrame(frame);
  TraceFrame(frame, LinkTrace::Direction::kOutgoing);
  const int written = port_->Write(frame);
  if (written < static_cast<int>(frame.size()))
    CheckLine();
  return written;
}

int Link::ReadFrame(std::span<std::uint8_t> buffer) {
  std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
  // The replies owed to earlier requests come before this one's on the line.
  DropOwedReplies(true);
  // A port that went away with the request fails the exchange at once: nothing to wait for.
  if (portGone_)
    return 0;
  const int first = ReadPort(buffer);
  owed_.LastRead();
  if (buffer.size() <= kDevTypeOffset || buffer[kDevTypeOffset] != 0 || portGone_)
    return first;

  // Byte 9 still 0: the reply is incomplete or nothing came. One more read over the same
  // buffer; what the first brought and the second does not overwrite stays.
  return ReadPort(buffer);
}

int Link::ReadPort(std::span<std::uint8_t> buffer) {
  const int count = port_->Read(buffer, timeouts_);
  TraceFrame(buffer.first(static_cast<std::size_t>(count)), LinkTrace::Direction::kIncoming);
  if (count < static_cast<int>(buffer.size()))
    CheckLine();
  return count;
}

int Link::SendRequest(std::uint16_t address, Payload payload, Command command) {
  // The device answers every request in turn, however late: a reply still owed to an earlier
  // request would be read as this one's, and every answer after it would land one late.
  DropOwedReplies(false);
  // Whatever else waits (the late end of a cut reply) is stale.
  port_->DiscardInput();
  return Send(address, payload, command);
}

bool Link::Request(std::uint16_t address, Payload payload, Command command) {
  bool acknowledged = true;
  if (command == CmdWriteWord) {
    SendRequest(address, payload, command);
    acknowledged = ReadReply();
    FlushTraceRing();
  } else {
    // The caller may never read this reply, and must not wait for earlier ones here: the test
    // request goes out every half second, and a silent device would freeze the window. What is
    // owed is dropped by the next read; with nothing owed, whatever waits is stale.
    if (owed_.None())
      port_->DiscardInput();
    Send(address, payload, command);
  }
  if (progressStep_ != 0) {
    progressTotal_ += progressStep_;
    if (progressTotal_ <= kProgressFull)
      reporter_.SetProgress(progressTotal_ / 10);
  }
  return acknowledged;
}

int Link::Send(std::uint16_t address, Payload payload, Command command) {
  requestFrame_ = BuildRequest(address, payload, command);
  const int written = WriteFrame(requestFrame_);
  if (written == kFrameSize) {
    owed_.Sent(OwedReplies::Clock::now() +
               std::chrono::milliseconds(timeouts_.TotalMs(kFrameSize)));
  } else {
    owed_.SentNothing();
  }
  return written;
}

void Link::DropOwedReplies(bool keepLast) {
  // Not traced: the trace shows the exchanges as their callers made them.
  if (!owed_.None() && !owed_.Drop(*port_, keepLast))
    CheckLine();
}

bool Link::Query(std::uint16_t address, Frame& reply, Command command) {
  SendRequest(address, Payload{}, command);
  return ReadFrame(reply) > 0;
}

bool Link::ReadReply() {
  return ReadFrame(replyBuffer_) > 0;
}

std::int32_t Link::ReadReplyValue() {
  return ReadReply() ? ReplyValue(replyBuffer_) : -1;
}

bool Link::DoAction(std::uint8_t code) {
  SendRequest(0, Payload{code, 0, 0, 0}, CmdAction);
  return ReadReply();
}

void Link::SetProgressSteps(int n) {
  progressStep_ = n != 0 ? kProgressFull / n : 0;
}

void Link::TraceFrame(std::span<const std::uint8_t> bytes, LinkTrace::Direction direction) {
  if (trace_ != nullptr)
    trace_->TraceFrame(bytes, direction);
}

void Link::TraceEvent(int tag, int requested, int current) {
  if (trace_ != nullptr) {
    trace_->TraceEvent(tag, state_.LinkFlags, static_cast<std::uint8_t>(requested),
                       static_cast<std::uint8_t>(current));
  }
}

void Link::FlushTraceRing() {
  if (trace_ != nullptr)
    trace_->FlushTraceRing();
}

void ShowNoAnswer(const Link& link, Reporter& reporter) {
  if (!link.PortWentAway())
    reporter.ShowStatus(kStatusNoAnswer);
}

}  // namespace zelto
