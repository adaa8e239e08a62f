// Frames on the wire and the request primitives every device operation goes through.
#include "link/link.h"
#include "link/status_texts.h"

#include <algorithm>

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
  // A port that went away with the request fails the exchange at once: nothing to wait for.
  if (portGone_)
    return 0;
  const int first = ReadPort(buffer);
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
  // The device answers only what it is asked, so whatever waits on the line now belongs to an
  // earlier request (the test request never reads its reply); read as this request's reply it
  // would shift every answer by one.
  port_->DiscardInput();
  requestFrame_ = BuildRequest(address, payload, command);
  return WriteFrame(requestFrame_);
}

bool Link::Request(std::uint16_t address, Payload payload, Command command) {
  SendRequest(address, payload, command);
  bool acknowledged = true;
  if (command == CmdWriteWord) {
    acknowledged = ReadReply();
    FlushTraceRing();
  }
  if (progressStep_ != 0) {
    progressTotal_ += progressStep_;
    if (progressTotal_ <= kProgressFull)
      reporter_.SetProgress(progressTotal_ / 10);
  }
  return acknowledged;
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
