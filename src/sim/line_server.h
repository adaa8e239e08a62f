#pragma once

#include "sim/pseudo_terminal.h"

#include <array>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zelto::sim {

// Serves text lines ended by LF (a CR before it is dropped) on a pseudo-terminal, or on a TCP port
// of 127.0.0.1 that takes a few clients at a time, from a thread of its own; each line's answer,
// if it has one, goes back on the line it came from with an LF.
class LineServer {
 public:
  enum class Transport { kPseudoTerminal, kTcp };
  // Called on the serving thread.
  using Handler = std::function<std::optional<std::string>(std::string_view line)>;

  // Throws std::system_error when no pseudo-terminal, socket or thread can be had.
  LineServer(Transport transport, Handler handler);
  ~LineServer();
  LineServer(const LineServer&) = delete;
  LineServer& operator=(const LineServer&) = delete;

  // What a client opens: "/dev/pts/7", or "tcp:127.0.0.1:40521".
  const std::string& Address() const { return address_; }

  // Waits until `count` lines have come in and been handled since the start, at most `limit`;
  // false on time-out.
  bool WaitForLines(std::size_t count, std::chrono::milliseconds limit) const;
  std::vector<std::string> Lines() const;
  // Waits until `count` answers have gone out since the start, at most `limit`; false on
  // time-out.
  bool WaitForAnswers(std::size_t count, std::chrono::milliseconds limit) const;

 private:
  struct Client {
    int descriptor;
    std::string pending;
  };

  void Serve();
  // Takes the complete lines out of the client's bytes and answers them; false when the client
  // is gone.
  bool Answer(Client& client);
  bool Send(int descriptor, std::string bytes);
  void Accept();

  Handler handler_;
  std::unique_ptr<PseudoTerminal> terminal_;
  int listener_ = -1;
  std::array<int, 2> wake_{-1, -1};
  std::string address_;

  mutable std::mutex mutex_;
  mutable std::condition_variable counted_;
  std::vector<std::string> lines_;
  std::size_t answers_ = 0;

  std::vector<Client> clients_;  // serving thread only
  std::thread server_;
};

}  // namespace zelto::sim
