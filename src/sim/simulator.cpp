#include "sim/simulator.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <system_error>
#include <unistd.h>

namespace zelto::sim {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBitsPerByte = 11;  // start bit, 8 data bits, 2 stop bits
constexpr std::uint8_t kWrongHeader = 0xCB;

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

}  // namespace

Simulator::Simulator(int model) : transmitter_(model) {
  if (pipe2(wake_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::system_error(errno, std::generic_category(), "pipe2");
  }
  server_ = std::thread([this] { Serve(); });
}

Simulator::~Simulator() {
  const char stop = 1;
  [[maybe_unused]] const ssize_t written = write(wake_[1], &stop, 1);
  server_.join();
  close(wake_[0]);
  close(wake_[1]);
}

void Simulator::SetFault(Fault fault) {
  const std::lock_guard lock(mutex_);
  fault_ = fault;
  faultRequests_ = 0;
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
  return requests_;
}

void Simulator::ClearRequests() {
  const std::lock_guard lock(mutex_);
  requests_.clear();
  repliesSent_ = 0;
}

bool Simulator::WaitForReplies(std::size_t count, std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return replySent_.wait_for(lock, limit, [&] { return repliesSent_ >= count; });
}

std::chrono::nanoseconds Simulator::ByteTime() const {
  const std::lock_guard lock(mutex_);
  if (pacingBaud_ == 0)
    return {};
  return std::chrono::nanoseconds(1'000'000'000LL * kBitsPerByte / pacingBaud_);
}

void Simulator::Serve() {
  // Paced bytes leave on time only if the kernel wakes this thread on time; its default slack
  // of 50 us would show up in every paced exchange.
  prctl(PR_SET_TIMERSLACK, 1000UL);
  std::array<pollfd, 2> descriptors{{{terminal_.Master(), POLLIN, 0}, {wake_[0], POLLIN, 0}}};
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

    std::array<std::uint8_t, 256> chunk{};
    ssize_t count = 0;
    while ((count = read(terminal_.Master(), chunk.data(), chunk.size())) > 0) {
      if (pending_.empty())
        pendingSince_ = Clock::now();
      pending_.insert(pending_.end(), chunk.begin(), chunk.begin() + count);
    }
    AnswerPending();
  }
}

void Simulator::AnswerPending() {
  while (!pending_.empty()) {
    // Like the device, find the next header and take twelve bytes from it as a request.
    if (pending_.front() != kHeader) {
      pending_.erase(pending_.begin());
      continue;
    }
    if (pending_.size() < kFrameSize)
      return;
    Frame request{};
    std::copy_n(pending_.begin(), kFrameSize, request.begin());
    if (request[1] != kRequestTag || !SumsToZero(request)) {
      pending_.erase(pending_.begin());
      continue;
    }
    pending_.erase(pending_.begin(), pending_.begin() + kFrameSize);

    const auto byteTime = ByteTime();
    const Clock::time_point arrived = pendingSince_ + kFrameSize * byteTime;
    if (byteTime.count() != 0 && !WaitUntil(arrived))
      return;
    pendingSince_ = byteTime.count() != 0 ? arrived : Clock::now();

    const Outgoing reply = Respond(request);
    Send(reply.first);
    if (!reply.second.empty()) {
      if (!WaitUntil(Clock::now() + reply.pause))
        return;
      Send(reply.second);
    }
    if (!reply.first.empty()) {
      const std::lock_guard lock(mutex_);
      ++repliesSent_;
      replySent_.notify_all();
    }
  }
}

Simulator::Outgoing Simulator::Respond(const Frame& request) {
  std::unique_lock lock(mutex_);
  requests_.push_back(request);
  ++faultRequests_;
  if (fault_.kind == Fault::Kind::kSilentFrom && faultRequests_ >= fault_.value)
    return {};
  const std::optional<Frame> answer = transmitter_.Answer(request);
  if (!answer)
    return {};
  Frame reply = *answer;

  if (request[kCommandOffset] == kWriteWord && memoryObserver_) {
    const auto observer = memoryObserver_;
    const MemoryImage memory = transmitter_.Memory();
    lock.unlock();
    observer(memory);
    lock.lock();
  }

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
      out.first = Bytes(incomplete);
      if (fault_.kind == Fault::Kind::kZeroTypeThenFull) {
        out.first.insert(out.first.end(), reply.begin(), reply.end());
      }
      return out;
    }
    case Fault::Kind::kCutShort:
      out.first = Bytes(reply, static_cast<std::size_t>(std::max(fault_.value, 0)));
      return out;
    case Fault::Kind::kCutShortThenFull:
      out.first = Bytes(reply, static_cast<std::size_t>(std::max(fault_.value, 0)));
      out.pause = fault_.pause;
      out.second = Bytes(reply);
      return out;
    case Fault::Kind::kGarbage:
      reply = Noise();
      break;
    case Fault::Kind::kNone:
    case Fault::Kind::kSilentFrom:
      break;
  }
  out.first = Bytes(reply);
  return out;
}

void Simulator::Send(const std::vector<std::uint8_t>& bytes) {
  const auto byteTime = ByteTime();
  const Clock::time_point start = Clock::now();
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    // Paced, each byte leaves when it would have finished crossing the wire.
    std::size_t count = bytes.size() - sent;
    if (byteTime.count() != 0) {
      if (!WaitUntil(start + static_cast<int>(sent + 1) * byteTime))
        return;
      count = 1;
    }
    const ssize_t written = write(terminal_.Master(), bytes.data() + sent, count);
    if (written > 0) {
      sent += static_cast<std::size_t>(written);
      continue;
    }
    if (written < 0 && errno != EAGAIN && errno != EINTR)
      return;
    // The line is full: nobody reads the far end. Give a reader a moment, then drop the reply.
    pollfd room{terminal_.Master(), POLLOUT, 0};
    if (PollUntil(&room, 1, Clock::now() + std::chrono::seconds(1)) <= 0)
      return;
  }
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
