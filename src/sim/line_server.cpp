#include "sim/line_server.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>

namespace zelto::sim {
namespace {

constexpr int kMostClients = 8;
// A line longer than any command an instrument takes is noise: it is dropped unanswered.
constexpr std::size_t kLongestLine = 4096;
// How long an answer waits for a client that does not read.
constexpr int kReaderPatienceMs = 1000;
constexpr std::size_t kKeptLines = 10000;

[[noreturn]] void Fail(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

// A listening socket on a free port of 127.0.0.1, and that port.
std::pair<int, int> Listen() {
  const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listener < 0)
    Fail("socket");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t size = sizeof address;
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener, kMostClients) != 0 ||
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    const int error = errno;
    close(listener);
    errno = error;
    Fail("listen");
  }
  return {listener, ntohs(address.sin_port)};
}

}  // namespace

LineServer::LineServer(Transport transport, Handler handler) : handler_(std::move(handler)) {
  if (transport == Transport::kPseudoTerminal) {
    terminal_ = std::make_unique<PseudoTerminal>();
    address_ = terminal_->Path();
  } else {
    const auto [listener, port] = Listen();
    listener_ = listener;
    address_ = "tcp:127.0.0.1:" + std::to_string(port);
  }
  if (pipe2(wake_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
    if (listener_ >= 0)
      close(listener_);
    Fail("pipe2");
  }
  if (terminal_)
    clients_.push_back({terminal_->Master(), {}});
  try {
    server_ = std::thread([this] { Serve(); });
  } catch (...) {
    for (const int descriptor : {wake_[0], wake_[1], listener_})
      if (descriptor >= 0)
        close(descriptor);
    throw;
  }
}

LineServer::~LineServer() {
  const char stop = 1;
  [[maybe_unused]] const ssize_t written = write(wake_[1], &stop, 1);
  server_.join();
  for (const Client& client : clients_) {
    if (!terminal_ || client.descriptor != terminal_->Master())
      close(client.descriptor);
  }
  for (const int descriptor : {wake_[0], wake_[1], listener_})
    if (descriptor >= 0)
      close(descriptor);
}

bool LineServer::WaitForLines(std::size_t count, std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return counted_.wait_for(lock, limit, [&] { return lines_.size() >= count; });
}

bool LineServer::WaitForAnswers(std::size_t count, std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return counted_.wait_for(lock, limit, [&] { return answers_ >= count; });
}

std::vector<std::string> LineServer::Lines() const {
  const std::lock_guard lock(mutex_);
  return lines_;
}

void LineServer::Serve() {
  for (;;) {
    std::vector<pollfd> descriptors{{wake_[0], POLLIN, 0}};
    if (listener_ >= 0)
      descriptors.push_back({listener_, POLLIN, 0});
    for (const Client& client : clients_)
      descriptors.push_back({client.descriptor, POLLIN, 0});
    if (poll(descriptors.data(), descriptors.size(), -1) < 0) {
      if (errno == EINTR)
        continue;
      return;
    }
    if (descriptors[0].revents != 0)
      return;
    std::size_t next = 1;
    if (listener_ >= 0 && (descriptors[next++].revents & POLLIN) != 0)
      Accept();
    // The clients as they were polled; those that went away leave the list after the pass.
    std::vector<int> gone;
    for (std::size_t i = 0; next + i < descriptors.size(); ++i) {
      const pollfd& polled = descriptors[next + i];
      if (polled.revents == 0)
        continue;
      const auto client = std::find_if(clients_.begin(), clients_.end(),
                                       [&](const Client& c) { return c.descriptor == polled.fd; });
      if (client != clients_.end() && !Answer(*client))
        gone.push_back(polled.fd);
    }
    for (const int descriptor : gone) {
      // The pseudo-terminal's near end has nowhere to go: the line is broken for good.
      if (terminal_ && descriptor == terminal_->Master())
        return;
      close(descriptor);
      std::erase_if(clients_, [&](const Client& c) { return c.descriptor == descriptor; });
    }
  }
}

void LineServer::Accept() {
  const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
  if (client < 0)
    return;
  if (static_cast<int>(clients_.size()) >= kMostClients) {
    close(client);
    return;
  }
  clients_.push_back({client, {}});
}

bool LineServer::Answer(Client& client) {
  std::array<char, 512> chunk{};
  const ssize_t count = read(client.descriptor, chunk.data(), chunk.size());
  if (count < 0)
    return errno == EAGAIN || errno == EINTR;
  // The far end of a pseudo-terminal is held open here as well, so only a socket ends.
  if (count == 0)
    return terminal_ != nullptr;
  client.pending.append(chunk.data(), static_cast<std::size_t>(count));
  for (auto end = client.pending.find('\n'); end != std::string::npos;
       end = client.pending.find('\n')) {
    std::string line = client.pending.substr(0, end);
    client.pending.erase(0, end + 1);
    if (line.ends_with('\r'))
      line.pop_back();
    const auto answer = handler_(line);
    {
      // Kept once handled, so that a test that waits for a line finds it carried out.
      const std::lock_guard lock(mutex_);
      if (lines_.size() >= kKeptLines)
        lines_.erase(lines_.begin());
      lines_.push_back(line);
      counted_.notify_all();
    }
    if (answer) {
      if (!Send(client.descriptor, *answer + "\n"))
        return terminal_ != nullptr;
      const std::lock_guard lock(mutex_);
      ++answers_;
      counted_.notify_all();
    }
  }
  if (client.pending.size() > kLongestLine)
    client.pending.clear();
  return true;
}

bool LineServer::Send(int descriptor, std::string bytes) {
  while (!bytes.empty()) {
    const ssize_t written = terminal_ ? write(descriptor, bytes.data(), bytes.size())
                                      : send(descriptor, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (written > 0) {
      bytes.erase(0, static_cast<std::size_t>(written));
      continue;
    }
    if (written < 0 && errno == EINTR)
      continue;
    if (written < 0 && errno == EAGAIN) {
      pollfd room{descriptor, POLLOUT, 0};
      if (poll(&room, 1, kReaderPatienceMs) > 0)
        continue;
    }
    return false;
  }
  return true;
}

}  // namespace zelto::sim
