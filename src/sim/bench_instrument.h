#pragma once

#include "sim/bench_loop.h"
#include "sim/instrument_fault.h"
#include "sim/line_server.h"
#include "sim/scpi_responder.h"

#include <mutex>

namespace zelto::sim {

// A simulated SCPI bench instrument wired to a transmitter's loop: a current meter that reads
// it, or a calibrator that drives its input. Serves on a pseudo-terminal or on a TCP port of
// 127.0.0.1 until it is destroyed.
class BenchInstrument {
 public:
  // Throws std::system_error when no pseudo-terminal, socket or thread can be had.
  BenchInstrument(BenchRole role, LineServer::Transport transport, BenchLoop& loop);

  // What the configurator opens: a path, or "tcp:127.0.0.1:PORT".
  const std::string& Address() const { return server_.Address(); }
  void SetFault(InstrumentFault fault);

  // The lines received, for tests.
  std::vector<std::string> Lines() const { return server_.Lines(); }
  bool WaitForLines(std::size_t count, std::chrono::milliseconds limit) const {
    return server_.WaitForLines(count, limit);
  }
  bool WaitForAnswers(std::size_t count, std::chrono::milliseconds limit) const {
    return server_.WaitForAnswers(count, limit);
  }

 private:
  std::optional<std::string> Respond(std::string_view line);

  std::mutex mutex_;  // the responder and the fault, shared by the serving thread and SetFault
  ScpiResponder responder_;
  InstrumentFault fault_;
  LineServer server_;  // last: it stops serving before the responder goes
};

}  // namespace zelto::sim
