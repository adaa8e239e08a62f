#include "sim/simulator.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace zelto::sim {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBitsPerByte = 11;  // start bit, 8 data bits, 2 stop bits
constexpr std::uint8_t kWrongHeader = 0xCB;
// How long a reply waits for a reader to make room on a full line.
constexpr std::chrono::seconds kReaderPatience{1};

// Waits for one of the descriptors or the deadline; returns poll's result.
int PollUntil(pollfd* descriptors, nfds_t count, Clock::time_point deadline) {
  const auto left = std::max(deadline - Clock::now(), Clock::duration::zero());
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
  const timespec timeout{static_cast<time_t>(seconds.count()),
                         static_cast<long>((left - seconds) / std::chrono::nanoseconds(1))};
  return ppoll(descriptors, count, &timeout, nullptr);
}

std::vector<std::uint8_t> Bytes(const Frame& frame, std::size_t count = kFrameSize) {
  return {frame.begin(),
          frame.begin() + static_cast<std::ptrdiff_t>(std::min(count, frame.size()))};
}

Frame Noise() {
  Frame noise{};
  for (int i = 0; i < kFrameSize; ++i)
    noise[i] = static_cast<std::uint8_t>(i * 73 + 29);
  noise[kTypeOffset] |= 1;  // complete as far as the reader can tell
  return noise;
}

// Drops the bytes before the next header byte at or after `from`: a stream of noise costs one
// pass, not one pass a byte.
void SkipToHeader(std::deque<std::uint8_t>& pending, std::size_t from) {
  const auto start = pending.begin() + static_cast<std::ptrdiff_t>(std::min(from, pending.size()));
  pending.erase(pending.begin(), std::find(start, pending.end(), kHeader));
}

}  // namespace

Simulator::Simulator(int model)
    : terminal_(std::make_unique<PseudoTerminal>()), path_(terminal_->Path()), transmitter_(model) {
  if (pipe2(wake_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::system_error(errno, std::generic_category(), "pipe2");
  }
  try {
    StartServing();
  } catch (...) {
    close(wake_[0]);
    close(wake_[1]);
    throw;
  }
}

Simulator::~Simulator() {
  StopServing();
  close(wake_[0]);
  close(wake_[1]);
}

void Simulator::SetFault(Fault fault) {
  const std::lock_guard lock(mutex_);
  fault_ = fault;
  faultRequests_ = 0;
  faultReplies_ = 0;
  if (fault.kind == Fault::Kind::kHostile)
    faultRandom_.seed(static_cast<std::mt19937::result_type>(fault.value));
}

void Simulator::SetPacing(int baud) {
  const std::lock_guard lock(mutex_);
  pacingBaud_ = std::max(baud, 0);
}

void Simulator::LoadMemory(const MemoryImage& image) {
  const std::lock_guard lock(mutex_);
  transmitter_.LoadMemory(image);
}

void Simulator::SetFirmware(std::uint32_t versionWord, std::uint32_t dateWord) {
  const std::lock_guard lock(mutex_);
  transmitter_.SetFirmware(versionWord, dateWord);
}

void Simulator::SetMonitorValue(int index, std::optional<std::int32_t> value) {
  const std::lock_guard lock(mutex_);
  transmitter_.SetMonitorValue(index, value);
}

MemoryImage Simulator::Memory() const {
  const std::lock_guard lock(mutex_);
  return transmitter_.Memory();
}

void Simulator::OnMemoryWritten(std::function<void(const MemoryImage&)> observer) {
  const std::lock_guard lock(mutex_);
  memoryObserver_ = std::move(observer);
}

std::vector<Frame> Simulator::Requests() const {
  const std::lock_guard lock(mutex_);
  return {requests_.begin(), requests_.end()};
}

void Simulator::ClearRequests() {
  const std::lock_guard lock(mutex_);
  requests_.clear();
  requestsReceived_ = 0;
  repliesSent_ = 0;
}

bool Simulator::WaitForReplies(std::size_t count, std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return counted_.wait_for(lock, limit, [&] { return repliesSent_ >= count; });
}

bool Simulator::WaitForRequests(std::size_t count, std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return counted_.wait_for(lock, limit, [&] { return requestsReceived_ >= count; });
}

void Simulator::Unplug() {
  StopServing();
  pending_.clear();
  terminal_.reset();
}

void Simulator::PlugIn() {
  StopServing();
  if (!terminal_) {
    terminal_ = std::make_unique<PseudoTerminal>();
    path_ = terminal_->Path();
  }
  StartServing();
}

std::size_t Simulator::DroppedReplies() const {
  const std::lock_guard lock(mutex_);
  return repliesDropped_;
}

bool Simulator::WaitUntilLineFull(std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return counted_.wait_for(lock, limit, [&] { return fullLines_ > 0; });
}

void Simulator::Count(std::size_t& counter) {
  const std::lock_guard lock(mutex_);
  ++counter;
  counted_.notify_all();
}

std::chrono::nanoseconds Simulator::ByteTime() const {
  const std::lock_guard lock(mutex_);
  if (pacingBaud_ == 0)
    return {};
  return std::chrono::nanoseconds(1'000'000'000LL * kBitsPerByte / pacingBaud_);
}

void Simulator::StartServing() {
  server_ = std::thread([this] { Serve(); });
}

void Simulator::StopServing() {
  if (!server_.joinable())
    return;
  const char stop = 1;
  [[maybe_unused]] const ssize_t written = write(wake_[1], &stop, 1);
  server_.join();
  std::array<char, 16> drained{};
  while (read(wake_[0], drained.data(), drained.size()) > 0) {
  }
}

void Simulator::Serve() {
  if (!terminal_)
    return;
  // Paced bytes leave on time only if the kernel wakes this thread on time; its default slack
  // of 50 us would show up in every paced exchange.
  prctl(PR_SET_TIMERSLACK, 1000UL);
  const int master = terminal_->Master();
  std::array<pollfd, 2> descriptors{{{master, POLLIN, 0}, {wake_[0], POLLIN, 0}}};
  for (;;) {
    if (poll(descriptors.data(), descriptors.size(), -1) < 0) {
      if (errno == EINTR)
        continue;
      return;
    }
    if (descriptors[1].revents != 0)
      return;
    if ((descriptors[0].revents & POLLIN) == 0)
      continue;

    // A chunk at a time, answered before the next: a client that floods the line holds no
    // more than a chunk of it here.
    std::array<std::uint8_t, 256> chunk{};
    const ssize_t count = read(master, chunk.data(), chunk.size());
    if (count <= 0)
      continue;
    if (pending_.empty())
      pendingSince_ = Clock::now();
    pending_.insert(pending_.end(), chunk.begin(), chunk.begin() + count);
    switch (AnswerPending()) {
      case Served::kOn:
        break;
      case Served::kStop:
        return;
      case Served::kUnplug:
        pending_.clear();
        terminal_.reset();
        return;
    }
  }
}

Simulator::Served Simulator::AnswerPending() {
  while (!pending_.empty()) {
    // Like the device, find the next header and take twelve bytes from it as a request.
    if (pending_.front() != kHeader) {
      SkipToHeader(pending_, 0);
      continue;
    }
    if (pending_.size() < kFrameSize)
      return Served::kOn;
    Frame request{};
    std::copy_n(pending_.begin(), kFrameSize, request.begin());
    if (request[1] != kRequestTag || !SumsToZero(request)) {
      SkipToHeader(pending_, 1);
      continue;
    }
    pending_.erase(pending_.begin(), pending_.begin() + kFrameSize);

    const auto byteTime = ByteTime();
    const Clock::time_point arrived = pendingSince_ + kFrameSize * byteTime;
    if (byteTime.count() != 0 && !WaitUntil(arrived))
      return Served::kStop;
    pendingSince_ = byteTime.count() != 0 ? arrived : Clock::now();

    const Outgoing reply = Respond(request);
    if (reply.unplug)
      return Served::kUnplug;
    if (SendReply(reply.pieces) == Served::kStop)
      return Served::kStop;
  }
  return Served::kOn;
}

Simulator::Outgoing Simulator::Respond(const Frame& request) {
  std::unique_lock lock(mutex_);
  requests_.push_back(request);
  if (requests_.size() > kRequestLogSize)
    requests_.pop_front();
  ++requestsReceived_;
  counted_.notify_all();
  ++faultRequests_;
  if (fault_.kind == Fault::Kind::kSilentFrom && faultRequests_ >= fault_.value)
    return {};
  if (fault_.kind == Fault::Kind::kUnplugAt && faultRequests_ >= fault_.value) {
    fault_ = Fault::None();  // the line goes once; PlugIn brings back a sound one
    return {{}, true};
  }
  const bool lost = fault_.kind == Fault::Kind::kWordNotKept &&
                    request[kCommandOffset] == kWriteWord && AddressOf(request) == fault_.value;
  const MemoryImage kept = lost ? transmitter_.Memory() : MemoryImage{};
  const std::optional<Frame> answer = transmitter_.Answer(request);
  if (lost)
    transmitter_.LoadMemory(kept);
  if (!answer)
    return {};

  if (request[kCommandOffset] == kWriteWord && memoryObserver_) {
    const auto observer = memoryObserver_;
    const MemoryImage memory = transmitter_.Memory();
    lock.unlock();
    observer(memory);
    lock.lock();
  }
  return Misbehave(request, *answer);
}

Simulator::Outgoing Simulator::Misbehave(const Frame& request, Frame reply) {
  Outgoing out;
  switch (fault_.kind) {
    case Fault::Kind::kTypeCode:
      if (request[kCommandOffset] == kReadRam && AddressOf(request) == kIdentifyAddress) {
        reply[kTypeOffset] = static_cast<std::uint8_t>(fault_.value);
        Seal(reply);
      }
      break;
    case Fault::Kind::kWrongHeader:
      reply[0] = kWrongHeader;
      Seal(reply);
      break;
    case Fault::Kind::kZeroType:
    case Fault::Kind::kZeroTypeThenFull: {
      Frame incomplete = reply;
      incomplete[kTypeOffset] = 0;
      Seal(incomplete);
      auto bytes = Bytes(incomplete);
      if (fault_.kind == Fault::Kind::kZeroTypeThenFull)
        bytes.insert(bytes.end(), reply.begin(), reply.end());
      out.pieces.push_back({{}, std::move(bytes)});
      return out;
    }
    case Fault::Kind::kCutShort:
      out.pieces.push_back({{}, Bytes(reply, static_cast<std::size_t>(std::max(fault_.value, 0)))});
      return out;
    case Fault::Kind::kCutShortThenFull:
      out.pieces.push_back({{}, Bytes(reply, static_cast<std::size_t>(std::max(fault_.value, 0)))});
      out.pieces.push_back({fault_.pause, Bytes(reply)});
      return out;
    case Fault::Kind::kGarbage:
      reply = Noise();
      break;
    case Fault::Kind::kLate:
      out.pieces.push_back({fault_.pause, Bytes(reply)});
      return out;
    case Fault::Kind::kHostile:
      out.pieces = HostileReply(reply, faultRandom_, fault_.pause);
      return out;
    case Fault::Kind::kBadChecksum: {
      const int garbled = faultRequests_ - fault_.value;
      if (garbled >= 0 && (fault_.count == 0 || garbled < fault_.count))
        reply[kFrameSize - 1] = static_cast<std::uint8_t>(reply[kFrameSize - 1] + 1);
      break;
    }
    case Fault::Kind::kNoAddressEcho:
      reply[2] = 0;
      reply[3] = 0;
      Seal(reply);
      break;
    case Fault::Kind::kNextWordAt:
      if (request[kCommandOffset] == kReadWord && AddressOf(request) == fault_.value &&
          (fault_.count == 0 || faultReplies_ < fault_.count)) {
        ++faultReplies_;
        Frame next = request;
        const int address = fault_.value + 4;
        next[2] = static_cast<std::uint8_t>(address);
        next[3] = static_cast<std::uint8_t>(address >> 8);
        Seal(next);
        reply = transmitter_.Answer(next).value_or(reply);
      }
      break;
    case Fault::Kind::kNone:
    case Fault::Kind::kSilentFrom:
    case Fault::Kind::kUnplugAt:
    case Fault::Kind::kWordNotKept:
      break;
  }
  out.pieces.push_back({{}, Bytes(reply)});
  return out;
}

Simulator::Served Simulator::SendReply(const std::vector<ReplyPiece>& pieces) {
  std::size_t sent = 0;
  for (const ReplyPiece& piece : pieces) {
    if (piece.pause.count() > 0 && !WaitUntil(Clock::now() + piece.pause))
      return Served::kStop;
    switch (Send(piece.bytes)) {
      case Sent::kWhole:
        sent += piece.bytes.size();
        break;
      case Sent::kDropped:
        return Served::kOn;  // the rest of the reply goes with it
      case Sent::kStopped:
        return Served::kStop;
    }
  }
  if (sent > 0)
    Count(repliesSent_);
  return Served::kOn;
}

Simulator::Sent Simulator::Send(const std::vector<std::uint8_t>& bytes) {
  const int master = terminal_->Master();
  const auto byteTime = ByteTime();
  const Clock::time_point start = Clock::now();
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    // Paced, each byte leaves when it would have finished crossing the wire.
    std::size_t count = bytes.size() - sent;
    if (byteTime.count() != 0) {
      if (!WaitUntil(start + static_cast<int>(sent + 1) * byteTime))
        return Sent::kStopped;
      count = 1;
    }
    const ssize_t written = write(master, bytes.data() + sent, count);
    if (written > 0) {
      sent += static_cast<std::size_t>(written);
      continue;
    }
    if (written < 0 && errno == EINTR)
      continue;
    if (written == 0 || errno == EAGAIN) {
      // The line is full: nobody reads the far end. Give a reader a moment, and stop at once
      // when asked to.
      Count(fullLines_);
      std::array<pollfd, 2> room{{{master, POLLOUT, 0}, {wake_[0], POLLIN, 0}}};
      const int ready = PollUntil(room.data(), room.size(), Clock::now() + kReaderPatience);
      if (ready > 0 && room[1].revents != 0)
        return Sent::kStopped;
      if (ready > 0 || (ready < 0 && errno == EINTR))
        continue;
    }
    // No reader came, or the line broke. What waits unread is stale by now, and a part of a
    // reply would be taken for the answer to the next request: the whole queue goes.
    tcflush(terminal_->Slave(), TCIFLUSH);
    Count(repliesDropped_);
    return Sent::kDropped;
  }
  return Sent::kWhole;
}

bool Simulator::WaitUntil(Clock::time_point deadline) {
  pollfd stop{wake_[0], POLLIN, 0};
  while (Clock::now() < deadline) {
    const int ready = PollUntil(&stop, 1, deadline);
    if (ready > 0)
      return false;
    if (ready < 0 && errno != EINTR)
      return false;
  }
  return true;
}

}  // namespace zelto::sim
