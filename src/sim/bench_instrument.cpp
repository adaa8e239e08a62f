#include "sim/bench_instrument.h"

#include <thread>

namespace zelto::sim {

BenchInstrument::BenchInstrument(BenchRole role, LineServer::Transport transport, BenchLoop& loop)
    : responder_(role, loop),
      server_(transport, [this](std::string_view line) { return Respond(line); }) {}

void BenchInstrument::SetFault(InstrumentFault fault) {
  const std::lock_guard lock(mutex_);
  responder_.SetFault(fault);
  fault_ = fault;
}

std::optional<std::string> BenchInstrument::Respond(std::string_view line) {
  std::optional<std::string> answer;
  std::chrono::milliseconds pause{0};
  {
    const std::lock_guard lock(mutex_);
    answer = responder_.Respond(line);
    if (fault_.kind == InstrumentFault::Kind::kLate)
      pause = fault_.pause;
  }
  // The serving thread is the instrument taking its time: nothing else comes through meanwhile.
  if (answer && pause.count() > 0)
    std::this_thread::sleep_for(pause);
  return answer;
}

}  // namespace zelto::sim
